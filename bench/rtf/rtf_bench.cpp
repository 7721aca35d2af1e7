// Reads and writes a generated RTF document of about 5 MB: mixed Latin and
// Cyrillic text, several formats per paragraph, a few fonts and colours.
// First it prints how reading and laying out grow with the size of documents
// of shapes that once took minutes: many runs, paragraphs or fonts.
#include "common/rtf_shapes.h"
#include "rtf/long_word_wrap.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr qsizetype kTargetBytes = 5 * 1024 * 1024;

QTextCharFormat format_number(int n) {
    QTextCharFormat format;
    format.setFontWeight(n % 3 == 0 ? QFont::Bold : QFont::Normal);
    format.setFontItalic(n % 5 == 0);
    format.setFontUnderline(n % 7 == 0);
    format.setFontFamilies(
        {n % 2 == 0 ? QStringLiteral("DejaVu Sans") : QStringLiteral("DejaVu Serif")});
    format.setFontPointSize(9 + n % 6);
    if (n % 4 == 0) {
        format.setForeground(QColor(n % 256, 40, 200));
    }
    return format;
}

void fill(QTextDocument& document, int paragraphs) {
    const QString english = QStringLiteral("The quick brown fox jumps over the lazy dog, ");
    const QString russian = QStringLiteral("съешь же ещё этих мягких булок, ");
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (int p = 0; p < paragraphs; ++p) {
        if (p > 0) {
            cursor.insertBlock();
        }
        for (int run = 0; run < 6; ++run) {
            cursor.insertText(run % 2 == 0 ? english : russian, format_number(p + run));
        }
        cursor.insertText(QStringLiteral("\t{end}"), format_number(p));
    }
    cursor.endEditBlock();
}

// Sized from a sample so the written document comes out at about 5 MB.
int paragraphs_for_target() {
    constexpr int kSample = 1000;
    QTextDocument sample;
    fill(sample, kSample);
    const qsizetype bytes_per_paragraph = vorna::rtf::write_rtf(sample).size() / kSample;
    return static_cast<int>(kTargetBytes / bytes_per_paragraph) + 1;
}

void write_large_document(benchmark::State& state, const QTextDocument* document) {
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = vorna::rtf::write_rtf(*document);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.counters["MB"] = static_cast<double>(bytes) / (1024 * 1024);
}

// `with_layout`: the document has a layout, as the document of a text box does.
void read_large_document(benchmark::State& state, const QByteArray* rtf, bool with_layout) {
    for (auto _ : state) {
        QTextDocument document;
        if (with_layout) {
            document.documentLayout();
        }
        vorna::rtf::read_rtf(*rtf, document).ignore();  // the figures, not the text, count here
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.counters["MB"] = static_cast<double>(rtf->size()) / (1024 * 1024);
}

double elapsed_ms(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Reads the document as a window does: into a document without a layout,
// then lays it out at a box's width.
void time_shape(const char* name, std::string (*make)(int), const char* unit,
                std::initializer_list<int> counts) {
    for (const int count : counts) {
        const QByteArray rtf = QByteArray::fromStdString(make(count));
        QTextDocument document;
        QElapsedTimer clock;
        clock.start();
        vorna::rtf::read_rtf(rtf, document).ignore();
        const double read_ms = elapsed_ms(clock);
        clock.restart();
        vorna::rtf::keep_long_words_on_one_line(document);
        document.setTextWidth(600);
        benchmark::DoNotOptimize(document.size());
        const double layout_ms = elapsed_ms(clock);
        std::printf("%-16s %7d %-10s %5.2f MB: read %7.0f ms, laid out %7.0f ms, %6.2f us per %s\n",
                    name, count, unit, static_cast<double>(rtf.size()) / (1024 * 1024), read_ms,
                    layout_ms, (read_ms + layout_ms) * 1000 / count, unit);
    }
}

void time_shapes() {
    time_shape("\\b x\\b0 y", vorna::bench::alternating_runs_rtf, "pairs", {25000, 50000, 100000});
    time_shape("\\par", vorna::bench::empty_paragraphs_rtf, "paragraphs", {150000, 300000, 600000});
    time_shape("fonts", vorna::bench::many_fonts_rtf, "fonts", {5000, 10000, 20000});
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no display is needed to measure.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    time_shapes();
    QTextDocument document;
    fill(document, paragraphs_for_target());
    const QByteArray rtf = vorna::rtf::write_rtf(document);
    std::printf("document: %d paragraphs, %.2f MB of RTF\n", document.blockCount(),
                static_cast<double>(rtf.size()) / (1024 * 1024));

    benchmark::RegisterBenchmark("write_rtf/5MB", write_large_document, &document)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("read_rtf/5MB", read_large_document, &rtf, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("read_rtf/5MB_with_layout", read_large_document, &rtf, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
