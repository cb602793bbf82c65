#include "common/Gbk.h"

#include <cerrno>
#include <iconv.h>

namespace {

QByteArray convert(const QByteArray& input, const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QByteArray();
    QByteArray output;
    output.resize(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char* out = output.data();
    size_t outLeft = static_cast<size_t>(output.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = out - output.data();
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = static_cast<size_t>(output.size() - used);
            continue;
        }
        // An invalid or incomplete sequence: keep going past the bad byte.
        ++in;
        --inLeft;
    }
    output.resize(out - output.data());
    iconv_close(cd);
    return output;
}

} // namespace

QString fromGbk(const QByteArray& bytes)
{
    return QString::fromUtf8(convert(bytes, "UTF-8", "GB18030"));
}

QByteArray toGbk(const QString& text) { return convert(text.toUtf8(), "GB18030", "UTF-8"); }
