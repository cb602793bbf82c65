#pragma once

// Registers the files the program carries (the database template, the default
// receipt pictures and the help documents) so that ":/pictures/..." and ":/help/..."
// can be read. They sit in a static library, where the linker drops their
// self-registration unless something calls in; any code reading them calls
// this first. Safe to call any number of times.
void InitCarriedResources();
