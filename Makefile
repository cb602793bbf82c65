# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config ccache \
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6svg6 qt6-translations-l10n \
  libsqlite3-dev libpng-dev googletest libgtest-dev libbenchmark-dev \
  xvfb xauth openbox xdotool x11-utils sqlite3 poppler-utils fonts-wqy-microhei
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display found (DISPLAY is not set); start it from a desktop session."; exit 1; \
	fi
	./$(BUILD)/marovell

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target $$(cd bench && ls *.cpp | sed 's/\.cpp$$//')
	@for b in $(BUILD)/bench/*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

clean:
	rm -rf $(BUILD)
