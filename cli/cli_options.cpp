#include "cli/cli_options.h"

#include "cli/cli_texts.h"
#include "cmdline/option_loop.h"

namespace vorna::cli {

ParsedOptions parse_options(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    CliOptions& options = parsed.options;
    cmdline::OptionLoop loop(arguments);
    options.translit = loop.translit();
    bool seen_input = false;
    while (loop.next()) {
        const std::string& argument = loop.argument();
        if (!loop.at_option()) {
            if (seen_input)
                loop.refuse_extra_argument();
            seen_input = true;
            if (argument != "-")
                options.input_path = argument;
        } else if (argument == "--word-list") {
            options.word_list = true;
        } else if (argument == "--crlf") {
            options.crlf = true;
        } else if (argument == "--dictionary") {
            loop.take_value(options.dictionary_path);
        } else if (argument == "--stats") {
            loop.take_value(options.stats_path);
        } else if (argument == "-o") {
            loop.take_value(options.output_path);
        } else if (argument == "--lemmas") {
            options.lemmas = true;
        } else if (argument == "--unknown") {
            loop.take_value(options.unknown_path);
        } else if (argument == "--article") {
            loop.take_value(options.article_word);
        } else {
            loop.refuse_unknown_option();
        }
    }
    options.help = loop.help();
    if (options.article_word && (seen_input || options.output_path || options.stats_path ||
                                 options.unknown_path || options.word_list)) {
        loop.refuse(kArticleAlone.in(loop.script()));
    }
    parsed.error = loop.error();
    return parsed;
}

std::string help_text(bool translit) {
    if (translit) {
        return "Ispoljzovanie: vorna-translate [parametri] [FAIL]\n"
               "       vorna-translate [--dictionary PUTJ] [--translit] --article SLOVO\n"
               "Perevodit anglijskij tekst (UTF-8) iz FAILA ili standartnogo vvoda poslovno na "
               "russkij.\n"
               "  --dictionary PUTJ  fail slovarja (po umolchaniju vasha kopija slovarja, esli\n"
               "                     ona estj, inache qd.dat rjadom s programmoj)\n"
               "  --word-list        spisok \"slovo - perevod\" vmesto teksta\n"
               "  --translit         perevod, statistika i soobshenija translitom\n"
               "  --stats PUTJ|-     zapisatj statistiku v fail ili (-) v potok oshibok\n"
               "  --crlf             stroki vivoda okanchivajutsja CR LF (inache LF)\n"
               "  -o PUTJ            zapisatj perevod v fail (inache v standartnij vivod)\n"
               "  --lemmas           neizvestnoe slovo iskatj po ego slovarnoj forme (went -> go)\n"
               "  --unknown PUTJ|-   zapisatj neizvestnie slova (TSV) v fail ili (-) v potok "
               "oshibok\n"
               "  --article SLOVO    napechatatj polnuju slovarnuju statju slova\n"
               "Kodi vihoda: 0 uspeh, 1 net slovarja, 2 oshibka parametrov ili vhodnogo teksta,\n"
               "3 ne udajotsja zapisatj rezuljtat, 6 ne udajotsja sozdatj vremennuju papku\n"
               "(TMPDIR); s --article takzhe 4 net statji, 5 polnij slovarj ne ustanovlen ili\n"
               "povrezhden.\n";
    }
    return "Использование: vorna-translate [параметры] [ФАЙЛ]\n"
           "       vorna-translate [--dictionary ПУТЬ] [--translit] --article СЛОВО\n"
           "Переводит английский текст (UTF-8) из ФАЙЛА или стандартного ввода пословно на "
           "русский.\n"
           "  --dictionary ПУТЬ  файл словаря (по умолчанию ваша копия словаря, если\n"
           "                     она есть, иначе qd.dat рядом с программой)\n"
           "  --word-list        список \"слово - перевод\" вместо текста\n"
           "  --translit         перевод, статистика и сообщения транслитом\n"
           "  --stats ПУТЬ|-     записать статистику в файл или (-) в поток ошибок\n"
           "  --crlf             строки вывода оканчиваются CR LF (иначе LF)\n"
           "  -o ПУТЬ            записать перевод в файл (иначе в стандартный вывод)\n"
           "  --lemmas           неизвестное слово искать по его словарной форме (went -> go)\n"
           "  --unknown ПУТЬ|-   записать неизвестные слова (TSV) в файл или (-) в поток ошибок\n"
           "  --article СЛОВО    напечатать полную словарную статью слова\n"
           "Коды выхода: 0 успех, 1 нет словаря, 2 ошибка параметров или входного текста,\n"
           "3 не удаётся записать результат, 6 не удаётся создать временную папку\n"
           "(TMPDIR); с --article также 4 нет статьи, 5 полный словарь не установлен или\n"
           "повреждён.\n";
}

}  // namespace vorna::cli
