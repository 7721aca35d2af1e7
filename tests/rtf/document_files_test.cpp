#include "rtf/document_files.h"
#include "document_runs.h"
#include "rtf/rtf_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <new>

#include "../core/failing_calls.h"

namespace vorna::rtf {
namespace {

class document_files : public ::testing::Test {
  protected:
    QString path(const char* name) const { return folder_.filePath(QLatin1String(name)); }

    QString write(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray contents(const QString& file_path) {
        QFile file(file_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
};

TEST_F(document_files, loadsRtfByItsOpeningElsePlainTextAndLeavesUnreadableOnesAlone) {
    QTextDocument document;
    ASSERT_TRUE(load_document_file(write("doc.txt", R"({\rtf1 {\b bold} plain})"), document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("bold plain"));
    EXPECT_TRUE(testing::paragraphs_of(document).at(0).at(0).bold);

    ASSERT_TRUE(
        load_document_file(write("u.txt", "\xEF\xBB\xBFПривет\r\nмир\n{\\rtf later"), document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Привет\nмир\n{\\rtf later"));
    EXPECT_EQ(document.blockCount(), 3);

    ASSERT_TRUE(
        load_document_file(write("w.txt", "\xCF\xF0\xE8\xE2\xE5\xF2 \xB8\xEB\xEA\xE0"), document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Привет ёлка"));

    // Empty and binary files load; unreadable ones leave the document alone.
    ASSERT_TRUE(load_document_file(write("empty", QByteArray()), document));
    EXPECT_TRUE(document.isEmpty());

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    EXPECT_TRUE(load_document_file(write("binary", binary), document));
    EXPECT_FALSE(document.isEmpty());

    document.setPlainText(QStringLiteral("keep me"));
    EXPECT_EQ(load_document_file(path("missing.rtf"), document).error_number(), ENOENT);
    EXPECT_EQ(load_document_file(folder_.path(), document).error_number(), EISDIR);
    // A FIFO would hold the windows until a writer comes: refused at once.
    ASSERT_EQ(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    EXPECT_FALSE(load_document_file(path("fifo"), document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("keep me"));
}

TEST_F(document_files, aDocumentThatMemoryRunsOutOnIsNoDocumentLoaded) {
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 4000; ++i)
        rtf += "{\\b word} \\par\n";
    const QString name = write("big.rtf", rtf + "}");
    QTextDocument document;
    int pieces = 0;
    const auto run_out_at_the_second_piece = [&pieces] {
        if (++pieces == 2)
            throw std::bad_alloc();
    };
    const Status status = load_document_file(name, document, run_out_at_the_second_piece);
    EXPECT_EQ(status.error_number(), ENOMEM);
    EXPECT_EQ(status.path(), QFile::encodeName(name).toStdString());
    EXPECT_EQ(pieces, 2);
    EXPECT_LT(document.blockCount(), 4000);  // the reader stopped there
    // The same document read with memory to spare loads whole.
    ASSERT_TRUE(load_document_file(name, document, [] {}));
    EXPECT_EQ(document.blockCount(), 4001);
}

TEST_F(document_files, saveWritesRtfWhateverTheNameOrLeavesTheTargetAlone) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("Сохранённый текст"));
    const QString target = write("notes.txt", "old contents");
    ASSERT_TRUE(save_document_as_rtf(document, target));
    EXPECT_EQ(contents(target), write_rtf(document));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"notes.txt"});

    // A failed save leaves the target untouched.
    document.setPlainText(QStringLiteral("new"));
    const Status no_folder = save_document_as_rtf(document, path("no-such-folder/out.rtf"));
    EXPECT_EQ(no_folder.error_number(), ENOENT);
    EXPECT_EQ(no_folder.path(), path("no-such-folder/out.rtf").toStdString());
    EXPECT_FALSE(save_document_as_rtf(document, folder_.path()).reason().empty());

    // A write that fails half-way, as on a full disk.
    write("notes.txt", "original");
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    vorna::testing::FailingCalls full_disk;
    full_disk.write_budget = 16;
    EXPECT_EQ(save_document_as_rtf(document, target, full_disk).error_number(), ENOSPC);
    EXPECT_EQ(contents(target), QByteArray("original"));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"notes.txt"});

    // A save that succeeds keeps the file's permissions.
    ASSERT_TRUE(save_document_as_rtf(document, target));
    EXPECT_FALSE(QFile::permissions(target) & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
}

}  // namespace
}  // namespace vorna::rtf
