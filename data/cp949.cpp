#include "data/cp949.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

// One iconv conversion descriptor, closed when the object goes.
class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (ok())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;
    bool ok() const { return m_cd != iconv_t(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

}  // namespace

QString decodeCp949(const QByteArray &bytes)
{
    Converter conv("UTF-16LE", "CP949");
    if (!conv.ok())
        return QString::fromLatin1(bytes);
    QString out;
    out.reserve(bytes.size());
    std::vector<char> buf(bytes.size() * 2 + 16);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        char *o = buf.data();
        size_t oLeft = buf.size();
        const size_t r = iconv(conv.get(), &in, &inLeft, &o, &oLeft);
        out.append(QString::fromUtf16(reinterpret_cast<const char16_t *>(buf.data()),
                                      qsizetype((buf.size() - oLeft) / 2)));
        if (r == size_t(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or a truncated sequence at the end: one replacement, one byte skipped.
            out.append(QChar(0xFFFD));
            ++in;
            --inLeft;
            iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

namespace {

QByteArray encode(const QString &text, bool *lossless)
{
    if (lossless)
        *lossless = true;
    Converter conv("CP949", "UTF-16LE");
    if (!conv.ok()) {
        if (lossless)
            *lossless = false;
        return text.toLatin1();
    }
    QByteArray out;
    out.reserve(text.size() * 2);
    std::vector<char> buf(size_t(text.size()) * 2 + 16);
    char *in = reinterpret_cast<char *>(const_cast<ushort *>(text.utf16()));
    size_t inLeft = size_t(text.size()) * 2;
    while (inLeft > 0) {
        char *o = buf.data();
        size_t oLeft = buf.size();
        const size_t r = iconv(conv.get(), &in, &inLeft, &o, &oLeft);
        out.append(buf.data(), qsizetype(buf.size() - oLeft));
        if (r == size_t(-1)) {
            if (errno == E2BIG)
                continue;
            if (lossless)
                *lossless = false;
            out.append('?');
            // Skip one UTF-16 unit, or a whole surrogate pair.
            const char16_t unit = *reinterpret_cast<const char16_t *>(in);
            const size_t skip = (QChar::isHighSurrogate(unit) && inLeft >= 4) ? 4 : 2;
            in += skip;
            inLeft -= skip;
            iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

}  // namespace

QByteArray encodeCp949(const QString &text)
{
    return encode(text, nullptr);
}

bool cp949CanHold(const QString &text)
{
    bool lossless = true;
    encode(text, &lossless);
    return lossless;
}
