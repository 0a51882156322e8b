#include "ui/rtf_codepage.h"

#include "store/cp1252.h"

#include <QStringDecoder>

namespace quillet {

namespace {

const char* codecName(int cp) {
    switch (cp) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 874:
        return "windows-874";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1250:
        return "windows-1250";
    case 1251:
        return "windows-1251";
    case 1253:
        return "windows-1253";
    case 1254:
        return "windows-1254";
    case 1255:
        return "windows-1255";
    case 1256:
        return "windows-1256";
    case 1257:
        return "windows-1257";
    case 1258:
        return "windows-1258";
    case 10000:
        return "macintosh";
    default:
        return nullptr;
    }
}

} // namespace

int codePageForCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    default:
        return 0; // ANSI, default, symbol and the rest: the document's code page
    }
}

char16_t decodeWindows1252(unsigned char b) {
    return cp1252Char(b);
}

int encodeWindows1252(char16_t c) {
    return cp1252Byte(c);
}

CodePageDecoder::CodePageDecoder() = default;
CodePageDecoder::~CodePageDecoder() = default;

QString CodePageDecoder::decode(const QByteArray& bytes, int codePage) {
    const char* name = codecName(codePage);
    if (name) {
        auto it = decoders_.find(codePage);
        if (it == decoders_.end()) {
            auto d = std::make_shared<QStringDecoder>(name, QStringDecoder::Flag::Stateless);
            it = decoders_.insert(codePage, d->isValid() ? d : nullptr);
        }
        if (it.value()) {
            QString s = it.value()->decode(bytes);
            if (!it.value()->hasError())
                return s;
            it.value()->resetState();
        }
    }
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes)
        out.append(QChar(decodeWindows1252(static_cast<unsigned char>(ch))));
    return out;
}

} // namespace quillet
