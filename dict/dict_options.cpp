#include "dict/dict_options.h"

#include <algorithm>

#include "cmdline/option_loop.h"
#include "dict/dict_texts.h"

namespace vorna::dict {

namespace {

struct CommandShape {
    const char* name;
    Command command;
    std::size_t fewest;
    std::size_t most;
};

constexpr std::size_t kAny = static_cast<std::size_t>(-1);

constexpr CommandShape kCommands[] = {
    {"show", Command::show, 1, 1},     {"set", Command::set, 2, 3},
    {"remove", Command::remove, 1, 1}, {"import", Command::import, 1, 1},
    {"path", Command::path, 0, 0},     {"say", Command::say, 1, kAny},
};

}  // namespace

ParsedDictOptions parse_dict_options(const std::vector<std::string>& arguments) {
    ParsedDictOptions parsed;
    DictOptions& options = parsed.options;
    cmdline::OptionLoop loop(arguments);
    options.translit = loop.translit();
    const Script script = loop.script();
    const CommandShape* shape = nullptr;
    while (loop.next()) {
        const std::string& argument = loop.argument();
        if (!loop.at_option()) {
            if (shape != nullptr) {
                options.operands.push_back(argument);
                continue;
            }
            const auto known =
                std::find_if(std::begin(kCommands), std::end(kCommands),
                             [&argument](const CommandShape& c) { return argument == c.name; });
            if (known == std::end(kCommands)) {
                loop.refuse(texts::kUnknownCommand.in(script) + argument);
            } else {
                shape = &*known;
                options.command = shape->command;
            }
        } else if (argument == "--") {
            loop.end_options();
        } else if (argument == "--dictionary") {
            loop.take_value(options.dictionary_path);
        } else if (argument == "-o") {
            loop.take_value(options.wav_path);
        } else {
            loop.refuse_unknown_option();
        }
    }
    options.help = loop.help();
    if (loop.error().empty() && !options.help) {
        if (shape == nullptr) {
            loop.refuse(texts::kNoCommand.in(script));
        } else if (options.operands.size() < shape->fewest ||
                   options.operands.size() > shape->most) {
            loop.refuse(texts::kWrongOperandCount.in(script) + std::string(shape->name));
        } else if (options.wav_path && shape->command != Command::say) {
            loop.refuse(texts::kOutputOnlyForSay.in(script));
        } else if (!options.dictionary_path.empty() && shape->command == Command::say) {
            loop.refuse(texts::kSayNeedsNoDictionary.in(script));
        }
    }
    parsed.error = loop.error();
    return parsed;
}

std::string dict_help_text(bool translit) {
    if (translit) {
        return "Ispoljzovanie: vorna-dict [--dictionary PUTJ] [--translit] KOMANDA\n"
               "Lichnij slovarj: te zhe ispravlenija, chto \"Izmenitj perevod...\" v okne.\n"
               "  show SLOVO                  zapisj slova: slovo, perevod, translit (cherez TAB)\n"
               "  set SLOVO PEREVOD [TRANSLIT] zadatj perevod (translit delaetsja iz perevoda)\n"
               "  remove SLOVO                udalitj slovo\n"
               "  import FAIL|-               vnesti glossarij: stroki slovo<TAB>perevod"
               "[<TAB>translit];\n"
               "                              pustie stroki i stroki s # propuskajutsja; v "
               "tablice\n"
               "                              neizvestnih slov perevod beretsja iz 5-go stolbca\n"
               "  path                        kakoj qd.dat ispoljzuetsja i pochemu\n"
               "  say SLOVO|TEKST [-o FAIL.wav] proiznesti (ili zapisatj v WAV)\n"
               "  --dictionary PUTJ  fail slovarja (inache vasha kopija v ~/.local/share/vorna,\n"
               "                     esli ona estj, ili qd.dat rjadom s programmoj)\n"
               "  --translit         soobshenija translitom\n"
               "Kodi vihoda: 0 uspeh, 1 slovarj ne prochitan, 2 oshibka parametrov ili fail\n"
               "importa ne prochitan, 3 slovarj ne zapisan (on ne izmenjon), 4 slova net v "
               "slovare,\n"
               "5 zapisj narushaet pravilo slovarja, 6 import: chastj strok propushena (ostaljnie\n"
               "vneseni), 7 net zvukovogo ustrojstva ili anglijskogo golosa, 8 fail WAV ne "
               "zapisan,\n"
               "9 ne udajotsja zapisatj standartnij vivod.\n";
    }
    return "Использование: vorna-dict [--dictionary ПУТЬ] [--translit] КОМАНДА\n"
           "Личный словарь: те же исправления, что «Изменить перевод…» в окне.\n"
           "  show СЛОВО                  запись слова: слово, перевод, транслит (через TAB)\n"
           "  set СЛОВО ПЕРЕВОД [ТРАНСЛИТ] задать перевод (транслит делается из перевода)\n"
           "  remove СЛОВО                удалить слово\n"
           "  import ФАЙЛ|-               внести глоссарий: строки слово<TAB>перевод"
           "[<TAB>транслит];\n"
           "                              пустые строки и строки с # пропускаются; в таблице\n"
           "                              неизвестных слов перевод берётся из 5-го столбца\n"
           "  path                        какой qd.dat используется и почему\n"
           "  say СЛОВО|ТЕКСТ [-o ФАЙЛ.wav] произнести (или записать в WAV)\n"
           "  --dictionary ПУТЬ  файл словаря (иначе ваша копия в ~/.local/share/vorna,\n"
           "                     если она есть, или qd.dat рядом с программой)\n"
           "  --translit         сообщения транслитом\n"
           "Коды выхода: 0 успех, 1 словарь не прочитан, 2 ошибка параметров или файл\n"
           "импорта не прочитан, 3 словарь не записан (он не изменён), 4 слова нет в словаре,\n"
           "5 запись нарушает правило словаря, 6 импорт: часть строк пропущена (остальные\n"
           "внесены), 7 нет звукового устройства или английского голоса, 8 файл WAV не "
           "записан,\n"
           "9 не удаётся записать стандартный вывод.\n";
}

}  // namespace vorna::dict
