#include "core/dictionary/dictionary_edit.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "core/dictionary/dictionary_loader.h"
#include "core/dictionary/load_progress.h"
#include "failing_calls.h"
#include "temp_folder.h"

namespace vorna {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

// "кот", "мир", "собака" and "пёс" in Windows-1251.
const std::string kKot1251 = "\xEA\xEE\xF2";
const std::string kMir1251 = "\xEC\xE8\xF0";
const std::string kSobaka1251 = "\xF1\xEE\xE1\xE0\xEA\xE0";
const std::string kPjos1251 = "\xEF\xB8\xF1";

TEST(dictionary_edit, change_rewrites_one_line_in_the_files_encoding_and_keeps_a_backup) {
    TempFolder folder;
    const std::string before =
        "# header line\r\ncat," + kKot1251 + ",kot\r\nDog,x,y\r\nworld," + kMir1251 + ",mir\r\n";
    folder.write("qd.dat", before);
    chmod(folder.file("qd.dat").c_str(), 0640);
    ASSERT_TRUE(set_record(folder.file("qd.dat"), {" Cat ", "  собака", ""}).ok());
    EXPECT_EQ(folder.read("qd.dat"), "# header line\r\ncat," + kSobaka1251 +
                                         ",sobaka\r\nDog,x,y\r\nworld," + kMir1251 + ",mir\r\n");
    EXPECT_EQ(folder.read("qd.dat.bak"), before);
    struct stat info {};
    stat(folder.file("qd.dat").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.names(), (Names{"qd.dat", "qd.dat.bak"}));
}

TEST(dictionary_edit, new_record_goes_among_its_neighbours_with_the_files_line_ends) {
    const struct {
        std::string before, after;
    } cases[] = {
        // UTF-8 with LF line ends.
        {"cat,кот,kot\nworld,мир,mir\n", "cat,кот,kot\ndog,пёс,pjos\nworld,мир,mir\n"},
        // Windows-1251 with CR LF; the new word sorts first.
        {"# words\r\nhat,x,x\r\n", "# words\r\ndog," + kPjos1251 + ",pjos\r\nhat,x,x\r\n"},
        // A byte order mark, and a last line without a line end.
        {"\xEF\xBB\xBF"
         "cat,кот,kot",
         "\xEF\xBB\xBF"
         "cat,кот,kot\r\ndog,пёс,pjos"},
    };
    for (const auto& [before, after] : cases) {
        TempFolder folder;
        folder.write("qd.dat", before);
        ASSERT_TRUE(set_record(folder.file("qd.dat"), {"dog", "пёс", "pjos"}).ok());
        EXPECT_EQ(folder.read("qd.dat"), after);
        DictionaryStore store;
        SilentLoadProgress sink;
        ASSERT_TRUE(load_dictionary(store, folder.path(), sink).ok());
        EXPECT_EQ(store.entries[store.lookup.find("dog", 1, store.entry_count).row].word_rus, "пёс")
            << after;
    }
}

TEST(dictionary_edit, every_line_of_the_word_goes_on_remove_and_all_but_the_first_on_change) {
    TempFolder folder;
    const std::string before = "cat,a,a\nsun,b,b\nCat,c,c\ncat,d,d";
    folder.write("qd.dat", before);
    ASSERT_TRUE(set_record(folder.file("qd.dat"), {"cat", "e", "e"}).ok());
    EXPECT_EQ(folder.read("qd.dat"), "cat,e,e\nsun,b,b\nCat,c,c\n");
    ASSERT_TRUE(remove_record(folder.file("qd.dat"), "CAT").ok());
    EXPECT_EQ(folder.read("qd.dat"), "sun,b,b\nCat,c,c\n");
    EXPECT_EQ(remove_record(folder.file("qd.dat"), "cat").refusal, EditRefusal::word_not_found);
}

TEST(dictionary_edit, bad_input_is_refused_and_changes_nothing) {
    using R = EditRefusal;
    using F = RecordField;
    const std::string ascii = "sun,solnce,solnce\r\n";
    const std::string utf8 = "cat,кот,kot\n";
    const struct {
        std::string file;
        RecordText record;
        EditRefusal refusal;
        RecordField field;
        std::string character;
    } cases[] = {
        {ascii, {"cat", "кот, кошка", ""}, R::comma_or_quote, F::translation, ","},
        {ascii, {"cat", "кот", "\"kot\""}, R::comma_or_quote, F::translit, "\""},
        {ascii, {"cat", "кот", "kötzchen"}, R::character_not_writable, F::translit, "ö"},
        {utf8, {"cat", "кот\nпёс", ""}, R::character_not_writable, F::translation, "\n"},
        {utf8, {"cat", "猫", "mao"}, R::none, F::headword, ""},
        // Windows-1251 bytes that would make the file read as UTF-8: "Рё".
        {ascii, {"cat", "Рё", "x"}, R::character_not_writable, F::translation, "Р"},
        {ascii, {"a", "один", ""}, R::headword_not_a_word, F::headword, ""},
        {ascii, {"c4t", "кот", ""}, R::headword_not_a_word, F::headword, ""},
        {ascii, {"-cat", "кот", ""}, R::headword_not_a_word, F::headword, ""},
        {ascii, {"a-", "кот", ""}, R::headword_not_a_word, F::headword, ""},  // one letter
        {ascii, {"q-'-", "кот", ""}, R::headword_not_a_word, F::headword, ""},
        {ascii, {"кот", "кот", ""}, R::headword_not_a_word, F::headword, ""},
        {ascii, {"cat", "  ", "kot"}, R::empty_translation, F::translation, ""},
        {ascii,
         {"cat", std::string(kMaxFieldBytes + 1, 'k'), ""},
         R::field_too_long,
         F::translation,
         ""},
        {ascii,
         {"cat", "кот", std::string(kMaxFieldBytes + 1, 'k')},
         R::field_too_long,
         F::translit,
         ""},
        {ascii, {"cat", std::string(kMaxFieldBytes, 'k'), ""}, R::none, F::headword, ""},
    };
    for (const auto& [file, record, refusal, field, character] : cases) {
        TempFolder folder;
        folder.write("qd.dat", file);
        const EditOutcome outcome = set_record(folder.file("qd.dat"), record);
        EXPECT_EQ(outcome.refusal, refusal) << record.translation;
        if (refusal == EditRefusal::none)
            continue;
        EXPECT_EQ(outcome.field, field) << record.translation;
        EXPECT_EQ(outcome.character, character) << record.translation;
        EXPECT_EQ(folder.read("qd.dat"), file);
        EXPECT_EQ(folder.names(), Names{"qd.dat"});
    }
    EXPECT_EQ(set_record("/nonexistent/qd.dat", {"cat", "кот", ""}).refusal,
              EditRefusal::file_not_read);
}

TEST(dictionary_edit, a_file_the_translator_refuses_is_not_edited) {
    // Empty, UTF-16, commas only, NULs: what the load takes for no dictionary.
    for (const std::string& bytes : {std::string(), std::string("\r\n\n"),
                                     std::string("\xFF\xFE"
                                                 "c\0a\0t\0,\0",
                                                 10),
                                     std::string(",,,\n,,\n"), std::string(64, '\0')}) {
        TempFolder folder;
        folder.write("qd.dat", bytes);
        const EditOutcome outcome = set_record(folder.file("qd.dat"), {"cat", "кот", ""});
        EXPECT_EQ(outcome.refusal, EditRefusal::file_not_read);
        EXPECT_FALSE(outcome.status.reason().empty());
        EXPECT_EQ(folder.read("qd.dat"), bytes);
        EXPECT_EQ(folder.names(), Names{"qd.dat"});
    }
}

TEST(dictionary_edit, a_full_dictionary_takes_changes_but_no_new_record) {
    TempFolder folder;
    std::string file;
    for (int i = 0; i < kMaxEntries; ++i) {
        // "waaaa", "waaab", ...: distinct headwords of letters only.
        std::string word = "w";
        for (int digit = 26 * 26 * 26 * 26; digit > 0; digit /= 26)
            word += static_cast<char>('a' + i / digit % 26);
        file += word + ",t,t\r\n";
    }
    folder.write("qd.dat", file);
    EXPECT_EQ(set_record(folder.file("qd.dat"), {"new", "b", "b"}).refusal,
              EditRefusal::dictionary_full);
    EXPECT_EQ(folder.read("qd.dat"), file);
    ASSERT_TRUE(set_record(folder.file("qd.dat"), {"waaaah", "b", "b"}).ok());
    ASSERT_TRUE(remove_record(folder.file("qd.dat"), "waaabi").ok());
    ASSERT_TRUE(set_record(folder.file("qd.dat"), {"new", "b", "b"}).ok());
    DictionaryStore store;
    SilentLoadProgress sink;
    ASSERT_TRUE(load_dictionary(store, folder.path(), sink).ok());
    EXPECT_EQ(store.entry_count, kMaxEntries);
    EXPECT_EQ(store.records_left_out, 0);
}

TEST(dictionary_edit, a_failing_write_leaves_the_old_file_whole_and_names_it) {
    const std::string before = "cat,кот,kot\r\nworld,мир,mir\r\n";
    for (int failure = 0; failure < 4; ++failure) {
        TempFolder folder;
        folder.write("qd.dat", before);
        const std::string path = folder.file("qd.dat");
        testing::FailingCalls calls;
        if (failure == 0)
            calls.write_budget = 3;  // inside the backup
        if (failure == 1)
            calls.write_budget = before.size() + 3;  // inside the new qd.dat
        calls.syncs_fail = failure == 2;
        calls.reads_fail = failure == 3;
        const EditOutcome outcome = set_record(path, {"dog", "пёс", "pjos"}, calls);
        EXPECT_EQ(outcome.refusal,
                  failure == 3 ? EditRefusal::file_not_read : EditRefusal::file_not_written)
            << failure;
        EXPECT_EQ(outcome.status.path(), failure == 1 || failure == 3 ? path : path + ".bak")
            << failure;
        EXPECT_EQ(folder.read("qd.dat"), before) << failure;
        EXPECT_EQ(folder.names(), Names{"qd.dat"}) << failure;
    }
}

TEST(dictionary_edit, a_link_is_followed_to_the_file_it_names) {
    TempFolder folder;
    folder.write("real.dat", "cat,кот,kot\n");
    std::filesystem::create_symlink(folder.file("real.dat"), folder.file("qd.dat"));
    ASSERT_TRUE(set_record(folder.file("qd.dat"), {"cat", "кошка", ""}).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("qd.dat")));
    EXPECT_EQ(folder.read("real.dat"), "cat,кошка,koshka\n");
    EXPECT_EQ(folder.read("real.dat.bak"), "cat,кот,kot\n");
}

TEST(dictionary_edit, the_backup_is_our_own_file_whatever_was_planted_under_its_name) {
    TempFolder folder;
    const std::string before = "cat,кот,kot\n";
    folder.write("victim", "keep");
    const std::string path = folder.file("qd.dat");
    const auto planted = [&](int kind) {
        if (kind == 0)
            symlink(folder.file("victim").c_str(), (path + ".bak").c_str());
        else
            mkfifo((path + ".bak").c_str(), 0600);  // would hold an open forever
    };
    for (int kind = 0; kind < 2; ++kind) {
        folder.write("qd.dat", before);
        chmod(path.c_str(), 0600);
        std::filesystem::remove(path + ".bak");
        planted(kind);
        ASSERT_TRUE(set_record(path, {"cat", "кошка", ""}).ok()) << kind;
        EXPECT_EQ(folder.read("victim"), "keep");
        EXPECT_TRUE(
            std::filesystem::is_regular_file(std::filesystem::symlink_status(path + ".bak")));
        EXPECT_EQ(folder.read("qd.dat.bak"), before);
        struct stat info {};
        stat((path + ".bak").c_str(), &info);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << kind;
    }

    // A FIFO as the dictionary is refused without waiting on it.
    mkfifo(folder.file("fifo.dat").c_str(), 0600);
    EXPECT_EQ(set_record(folder.file("fifo.dat"), {"cat", "кот", ""}).refusal,
              EditRefusal::file_not_read);
}

TEST(dictionary_edit, corrections_at_once_take_turns_and_killed_ones_leave_nothing_behind) {
    TempFolder folder;
    const std::string path = folder.file("qd.dat");
    folder.write("qd.dat", "cat,кот,kot\n");
    // Temporaries of corrections killed before their rename; one still alive.
    folder.write("qd.dat.vorna-abc123", "stale");
    folder.write("qd.dat.bak.vorna-xyz789", "stale");
    folder.write("qd.dat.vorna-live00", "alive");
    const int live = open(folder.file("qd.dat.vorna-live00").c_str(), O_RDONLY);
    flock(live, LOCK_EX);

    std::vector<std::thread> editors;
    for (int editor = 0; editor < 4; ++editor) {
        editors.emplace_back([&path, editor] {
            for (int round = 0; round < 10; ++round) {
                const std::string word = "w" + std::string(1, static_cast<char>('a' + editor)) +
                                         std::string(1, static_cast<char>('a' + round));
                EXPECT_TRUE(set_record(path, {word, "слово", ""}).ok());
            }
        });
    }
    for (std::thread& editor : editors)
        editor.join();
    folder.write("qd.dat.bak.vorna-def456", "stale");  // the load clears them too
    DictionaryStore store;
    SilentLoadProgress sink;
    ASSERT_TRUE(load_dictionary(store, folder.path(), sink).ok());
    EXPECT_EQ(store.entry_count, 41);
    EXPECT_EQ(folder.names(), (Names{"qd.dat", "qd.dat.bak", "qd.dat.vorna-live00"}));
    close(live);
}

TEST(dictionary_edit, many_records_go_in_with_one_rewrite_and_one_outcome_each) {
    TempFolder folder;
    const std::string before = "cat,кот,kot\r\nworld,мир,mir\r\n";
    folder.write("qd.dat", before);
    const std::vector<RecordText> records = {
        {"dog", "пёс", ""}, {"x", "икс", ""}, {"Cat", "кошка", ""}, {"dog", "собака", ""}};
    const std::vector<EditOutcome> outcomes = apply_records(folder.file("qd.dat"), records);
    ASSERT_EQ(outcomes.size(), 4u);
    EXPECT_TRUE(outcomes[0].ok() && outcomes[2].ok() && outcomes[3].ok());
    EXPECT_EQ(outcomes[1].refusal, EditRefusal::headword_not_a_word);
    EXPECT_EQ(folder.read("qd.dat"), "cat,кошка,koshka\r\ndog,собака,sobaka\r\nworld,мир,mir\r\n");
    EXPECT_EQ(folder.read("qd.dat.bak"), before);

    testing::FailingCalls full_disk;
    full_disk.write_budget = 3;
    for (const EditOutcome& outcome : apply_records(
             folder.file("qd.dat"), {{"sun", "солнце", ""}, {"moon", "луна", ""}}, full_disk))
        EXPECT_EQ(outcome.refusal, EditRefusal::file_not_written);
    EXPECT_EQ(folder.read("qd.dat.bak"), before);
}

}  // namespace
}  // namespace vorna
