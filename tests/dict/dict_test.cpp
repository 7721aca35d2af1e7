#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../core/temp_folder.h"
#include "core/text/text_encoding.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;

// vorna-dict run on a copy of the sample dictionary (Windows-1251, 325
// records), with a home folder of the test's own.
class DictTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(fs::path(VORNA_TEST_DATA_DIR) / "sample-qd.dat", folder_.file("qd.dat"));
    }

    int dict(const std::string& arguments, const std::string& input = "/dev/null",
             const std::string& output = "> out.txt") {
        const std::string command = "cd '" + folder_.path() + "' && HOME='" + folder_.path() +
                                    "' XDG_DATA_HOME= TMPDIR='" + folder_.path() +
                                    "' '" VORNA_DICT_PROGRAM "' " + arguments + " < " + input +
                                    " " + output + " 2> err.txt";
        return WEXITSTATUS(std::system(command.c_str()));
    }
    std::string out() const { return folder_.read("out.txt"); }
    std::vector<std::string> folder_names() const { return folder_.names(); }
    std::string err() const { return folder_.read("err.txt"); }
    // The dictionary's lines as UTF-8.
    std::vector<std::string> lines(const std::string& name = "qd.dat") const {
        TextDecoder decoder(SourceEncoding::windows_1251);
        std::istringstream in(decoder.decode(folder_.read(name)));
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);)
            result.push_back(line.substr(0, line.find('\r')));
        return result;
    }
    // The lines of `after` that `before` does not hold, and the other way round.
    static std::vector<std::string> changed(const std::vector<std::string>& before,
                                            const std::vector<std::string>& after) {
        std::vector<std::string> result;
        for (const std::string& line : after)
            if (std::find(before.begin(), before.end(), line) == before.end())
                result.push_back("+" + line);
        for (const std::string& line : before)
            if (std::find(after.begin(), after.end(), line) == after.end())
                result.push_back("-" + line);
        return result;
    }

    testing::TempFolder folder_;
};

using Lines = std::vector<std::string>;
using Names = std::vector<std::string>;

TEST_F(DictTest, set_show_and_remove_change_one_line_each) {
    const Lines original = lines();
    ASSERT_EQ(dict("--dictionary qd.dat set Zebra ' зебра '"), 0) << err();
    EXPECT_EQ(changed(original, lines()), Lines{"+zebra,зебра,zebra"});
    EXPECT_EQ(lines("qd.dat.bak"), original);
    EXPECT_EQ(dict("--dictionary qd.dat show ZEBRA"), 0);
    EXPECT_EQ(out(), "zebra\tзебра\tzebra\n");

    ASSERT_EQ(dict("--dictionary qd.dat set house 'домик' domik"), 0);
    EXPECT_EQ(changed(original, lines()),
              (Lines{"+house,домик,domik", "+zebra,зебра,zebra", "-house,дом,dom"}));
    ASSERT_EQ(dict("--dictionary qd.dat remove house"), 0);
    EXPECT_EQ(lines().size(), original.size());
    EXPECT_EQ(dict("--dictionary qd.dat show house"), 4);
    EXPECT_EQ(err(), "vorna-dict: Слова «house» нет в словаре.\n");
    EXPECT_EQ(dict("--dictionary qd.dat remove house"), 4);
}

TEST_F(DictTest, refusals_are_the_dialogs_in_one_line_and_change_nothing) {
    const std::string bytes = folder_.read("qd.dat");
    struct Case {
        const char* arguments;
        int status;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {"set cat 'кот, кошка'", 5,
              "Запятую и двойную кавычку нельзя записать в словарь. Уберите их из поля "
              "«Перевод»."},
             {"--translit set cat '\"kot\"'", 5,
              "Zapjatuju i dvojnuju kavichku neljzja zapisatj v slovarj. Uberite ih iz polja "
              "\"Perevod\"."},
             {"set cat 'кот 猫'", 5,
              "Символ «猫» в поле «Перевод» нельзя записать в файл словаря qd.dat"},
             {"set x- 'икс'", 5,
              "Английское слово должно начинаться с латинской буквы и содержать не меньше двух "
              "букв; кроме латинских букв в нём могут быть только апостроф и дефис."},
             {"set cat ' '", 5, "Введите перевод."},
             {"set cat", 2, "неверное число аргументов команды set (см. --help)"},
             {"--translit frob", 2, "neizvestnaja komanda: frob (sm. --help)"},
             {"show cat --dictionary", 2, "параметру --dictionary нужно значение (см. --help)"},
             {"show cat -o x.wav", 2, "-o бывает только у команды say (см. --help)"},
             {"--dictionary qd.dat show cat", 2,
              "параметр указан дважды: --dictionary (см. --help)"},
         }) {
        EXPECT_EQ(dict(std::string("--dictionary qd.dat ") + c.arguments), c.status) << c.arguments;
        EXPECT_EQ(err(), std::string("vorna-dict: ") + c.message + "\n");
        EXPECT_EQ(folder_.read("qd.dat"), bytes);
        EXPECT_FALSE(folder_.exists("qd.dat.bak"));
    }
    EXPECT_EQ(dict("--dictionary missing.dat show cat"), 1);
    EXPECT_EQ(err().rfind("vorna-dict: Не удалось прочитать файл словаря missing.dat: ", 0), 0u);
    EXPECT_EQ(err().find('\n'), err().size() - 1);
}

TEST_F(DictTest, import_applies_good_lines_at_once_and_names_the_bad_ones) {
    const Lines original = lines();
    folder_.write("glossary.tsv",
                  "\xEF\xBB\xBF# words from chapter 1\r\n"
                  "zebra\tзебра\r\n"
                  "\r\n"
                  "house\tдомик\tdomik\r\n"
                  "no tab here\r\n"
                  "yak\tяк, бык\r\n"
                  "a\tбуква\r\n"
                  "house\tхижина\r\n"  // a later line for the same word wins
                  "ran\t2\trun\tRan feet.\tбежал\r\n"
                  "feet\t1\tfoot\tRan feet.\r\n"
                  "sly\t\xFF\r\n");
    EXPECT_EQ(dict("--dictionary qd.dat import glossary.tsv"), 6);
    EXPECT_EQ(err(),
              "vorna-dict: строка 5: ожидается «слово<TAB>перевод» или "
              "«слово<TAB>перевод<TAB>транслит»\n"
              "vorna-dict: строка 6: Запятую и двойную кавычку нельзя записать в словарь. Уберите "
              "их из поля «Перевод».\n"
              "vorna-dict: строка 7: Английское слово должно начинаться с латинской буквы и "
              "содержать не меньше двух букв; кроме латинских букв в нём могут быть только "
              "апостроф и дефис.\n"
              "vorna-dict: строка 11: строка не в кодировке UTF-8\n"
              "vorna-dict: строк таблицы неизвестных слов без перевода (5-й столбец пуст), не "
              "внесено: 1\n");
    EXPECT_EQ(changed(original, lines()), (Lines{"+house,хижина,hizhina", "+ran,бежал,bezhal",
                                                 "+zebra,зебра,zebra", "-house,дом,dom"}));
    EXPECT_EQ(lines("qd.dat.bak"), original);  // one rewrite: the backup is the original
    EXPECT_EQ(out(), "Слов добавлено: 2, изменено: 1, пропущено: 4\n");

    // From standard input, every line good: success.
    folder_.write("more.tsv", "yak\tяк\nhouse\tхижина\n");
    EXPECT_EQ(dict("--translit --dictionary qd.dat import -", "more.tsv"), 0) << err();
    EXPECT_EQ(out(), "Slov dobavleno: 1, izmeneno: 0, propusheno: 0\n");
    EXPECT_EQ(dict("--dictionary qd.dat show yak"), 0);
    EXPECT_EQ(out(), "yak\tяк\tjak\n");
}

TEST_F(DictTest, import_with_nothing_good_leaves_the_file_alone) {
    const std::string bytes = folder_.read("qd.dat");
    folder_.write("bad.tsv", "x\ty\n");
    EXPECT_EQ(dict("--dictionary qd.dat import bad.tsv"), 6);
    EXPECT_EQ(folder_.read("qd.dat"), bytes);
    EXPECT_FALSE(folder_.exists("qd.dat.bak"));
    EXPECT_EQ(dict("--dictionary qd.dat import nowhere.tsv"), 2);
    EXPECT_EQ(dict("--dictionary missing.dat import bad.tsv"), 1);
}

TEST_F(DictTest, fields_past_the_bound_and_files_that_are_no_dictionary_are_refused) {
    const std::string bytes = folder_.read("qd.dat");
    folder_.write("long.tsv", "owl\tсова\nyak\t" + std::string(4097, 'x') + "\nbee\t" +
                                  std::string(50000, 'y') + "\ttranslit\n");
    EXPECT_EQ(dict("--dictionary qd.dat import long.tsv"), 6);
    EXPECT_EQ(err(),
              "vorna-dict: строка 2: Поле «Перевод» слишком длинное: в словарь записывается не "
              "больше 4096 байт на поле.\n"
              "vorna-dict: строка 3: строка длиннее 32768 байт: в ней поле длиннее 4096 байт\n");
    EXPECT_EQ(dict("--dictionary qd.dat set yak " + std::string(4097, 'x')), 5);
    EXPECT_EQ(dict("--dictionary qd.dat show owl"), 0);

    for (const std::string& not_a_dictionary : {std::string(),
                                                std::string("\xFF\xFE"
                                                            "c\0a\0t\0,\0",
                                                            10),
                                                std::string(",,\n"), std::string(8, '\0')}) {
        folder_.write("odd.dat", not_a_dictionary);
        EXPECT_EQ(dict("--dictionary odd.dat set zebra зебра"), 1);
        EXPECT_EQ(dict("--dictionary odd.dat import long.tsv"), 1);
        EXPECT_EQ(folder_.read("odd.dat"), not_a_dictionary);
        EXPECT_FALSE(folder_.exists("odd.dat.bak"));
    }
}

TEST_F(DictTest, a_writer_waits_for_the_lock_and_says_so) {
    const int held = open(folder_.file("qd.dat").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    int status = -1;
    std::thread writer([&] { status = dict("--dictionary qd.dat set zebra зебра"); });
    // Poll, not time: the writer says it waits, then goes on when let.
    for (int tries = 0;
         tries < 1000 && err().find("Ожидание другой программы") == std::string::npos; ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(err(), "vorna-dict: Ожидание другой программы, которая изменяет словарь " +
                         fs::canonical(folder_.file("qd.dat")).string() + "…\n");
    close(held);
    writer.join();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dict("--dictionary qd.dat show zebra"), 0);
}

TEST_F(DictTest, imports_killed_at_any_moment_leave_both_files_whole) {
    // 30,000 new words of letters only (the digits of a number spelt as letters).
    std::string glossary;
    for (int i = 0; i < 30000; ++i) {
        std::string word = "w" + std::to_string(i);
        for (std::size_t k = 1; k < word.size(); ++k)
            word[k] = static_cast<char>('a' + (word[k] - '0'));
        glossary += word + "\tслово\tzslovo\n";
    }
    folder_.write("big.tsv", glossary);
    const std::string original = folder_.read("qd.dat");
    const auto imported = [](const std::string& bytes) {
        std::size_t count = 0;
        for (std::size_t at = 0; (at = bytes.find(",zslovo\r\n", at)) != std::string::npos; ++at)
            ++count;
        return count;
    };
    std::mt19937 random(11);
    for (int round = 0; round < 25; ++round) {
        folder_.write("qd.dat", original);
        const std::string command = "cd '" + folder_.path() +
                                    "' && exec '" VORNA_DICT_PROGRAM
                                    "' --dictionary qd.dat import big.tsv > /dev/null 2>&1";
        const pid_t child = fork();
        if (child == 0) {
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 200000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        // The next writer clears what the killed one left.
        ASSERT_EQ(dict("--dictionary qd.dat set zebra зебра"), 0) << round << err();
        EXPECT_EQ(folder_names(), (Names{"big.tsv", "err.txt", "out.txt", "qd.dat", "qd.dat.bak"}))
            << round;
        // Whole: without the import or with all of it, and the word set after.
        const std::string now = folder_.read("qd.dat");
        EXPECT_TRUE(imported(now) == 0 || imported(now) == 30000) << round;
        EXPECT_NE(now.find("zebra,"), std::string::npos) << round;
        const std::string backup = folder_.read("qd.dat.bak");
        EXPECT_TRUE(imported(backup) == 0 || imported(backup) == 30000) << round;
        EXPECT_EQ(dict("--dictionary qd.dat show cat"), 0) << round;
    }
}

TEST_F(DictTest, path_says_which_dictionary_and_why) {
    EXPECT_EQ(dict("--dictionary qd.dat path"), 0);
    EXPECT_EQ(out(), "qd.dat\nзадан параметром --dictionary\n");
    fs::create_directories(folder_.file(".local/share/vorna"));
    fs::copy_file(folder_.file("qd.dat"), folder_.file(".local/share/vorna/qd.dat"));
    EXPECT_EQ(dict("--translit path"), 0);
    EXPECT_EQ(out(), folder_.file(".local/share/vorna/qd.dat") +
                         "\nvasha kopija slovarja: ona estj, poetomu ispoljzuetsja vmesto "
                         "ustanovlennogo\n");
    ASSERT_EQ(dict("set zebra зебра"), 0);  // the reader's copy is the one edited
    EXPECT_TRUE(folder_.exists(".local/share/vorna/qd.dat.bak"));
    EXPECT_FALSE(folder_.exists("qd.dat.bak"));
}

// What cannot be printed is an error, not a success a script would trust.
TEST_F(DictTest, output_that_cannot_be_written_gives_its_own_status) {
    for (const char* output : {"> /dev/full", ">&-"}) {
        for (const char* arguments :
             {"--dictionary qd.dat show cat", "--dictionary qd.dat path", "--help"}) {
            EXPECT_EQ(dict(arguments, "/dev/null", output), 9) << arguments << output;
            EXPECT_EQ(err().rfind("vorna-dict: не удаётся записать: -: ", 0), 0u) << err();
            EXPECT_EQ(err().find('\n'), err().size() - 1);
        }
    }
}

TEST_F(DictTest, say_writes_a_wav_file_or_says_why_not) {
    EXPECT_EQ(dict("say 42"), 2);
    EXPECT_EQ(err(), "vorna-dict: Нечего произнести: нет английского слова.\n");
    EXPECT_EQ(dict("say house -o a.wav -o b.wav"), 2);
    EXPECT_EQ(err(), "vorna-dict: параметр указан дважды: -o (см. --help)\n");
    EXPECT_FALSE(folder_.exists("a.wav") || folder_.exists("b.wav"));
    const int status = dict("say house -o h.wav");
    if (status == 7)
        GTEST_SKIP() << err();
    ASSERT_EQ(status, 0) << err();
    EXPECT_EQ(folder_.read("h.wav").substr(0, 4), "RIFF");
    EXPECT_EQ(dict("say house -o no-such-folder/h.wav"), 8);
    EXPECT_EQ(dict("--dictionary qd.dat say house"), 2);  // say needs no dictionary
}

}  // namespace
}  // namespace vorna
