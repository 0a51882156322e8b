// libFuzzer target: any bytes through RtfReader, and what it built back through RtfWriter
// and RtfReader again. Neither may crash, hang or read outside its input.

#include "ui/rtf_reader.h"
#include "ui/rtf_writer.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Documents need fonts, and fonts need a GUI application (without a screen).
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    quillet::RtfReader::read(bytes, &doc);
    const QByteArray again = quillet::RtfWriter::write(&doc);
    QTextDocument second;
    quillet::RtfReader::read(again, &second);
    return 0;
}
