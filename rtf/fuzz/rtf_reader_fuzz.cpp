// Feeds arbitrary bytes to the RTF reader, then writes what it read and reads
// that again: neither step may crash, hang or touch memory it does not own.
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts need a GUI application; it lives as long as the fuzzer runs.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray rtf =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    // Only faults count here; a reader that runs out of memory says so.
    vorna::rtf::read_rtf(rtf, document).ignore();
    QTextDocument written_back;
    vorna::rtf::read_rtf(vorna::rtf::write_rtf(document), written_back).ignore();
    return 0;
}
