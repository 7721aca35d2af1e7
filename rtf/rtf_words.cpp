#include "rtf/rtf_words.h"

#include <unordered_map>
#include <utility>

namespace vorna::rtf {
namespace {

using WordTable = std::unordered_map<std::string_view, ControlWord>;

WordTable make_word_table() {
    WordTable table{
        {"rtf", {Word::rtf}},
        {"ansi", {Word::code_page, 1252}},
        {"mac", {Word::code_page, 10000}},
        {"pc", {Word::code_page, 437}},
        {"pca", {Word::code_page, 850}},
        {"ansicpg", {Word::ansi_code_page}},
        {"deff", {Word::default_font}},
        {"fonttbl", {Word::font_table}},
        {"colortbl", {Word::colour_table}},
        {"f", {Word::font}},
        {"fcharset", {Word::font_charset}},
        {"cpg", {Word::font_code_page}},
        {"red", {Word::red}},
        {"green", {Word::green}},
        {"blue", {Word::blue}},
        {"plain", {Word::plain}},
        {"b", {Word::bold}},
        {"i", {Word::italic}},
        {"ulnone", {Word::underline_none}},
        {"strike", {Word::strike}},
        {"striked", {Word::strike}},
        {"fs", {Word::font_size}},
        {"cf", {Word::colour}},
        {"par", {Word::paragraph}},
        {"pard", {Word::paragraph_defaults}},
        {"row", {Word::paragraph}},
        {"u", {Word::unicode}},
        {"uc", {Word::unicode_skip}},
        {"fldrslt", {Word::field_result}},
    };
    // Every kind of underline is shown as the one the boxes have.
    for (std::string_view name :
         {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulth", "ulw", "ulwave", "ulhwave",
          "ululdbwave", "ulldash", "ulthd", "ulthdash"}) {
        table.emplace(name, ControlWord{Word::underline});
    }
    // Words that stand for one character.
    const std::pair<std::string_view, char16_t> characters[] = {
        {"line", 0x2028},    {"tab", u'\t'},        {"cell", u'\t'},       {"nestcell", u'\t'},
        {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
        {"zwbo", 0x200B},    {"ltrmark", 0x200E},   {"rtlmark", 0x200F},
    };
    for (const auto& [name, character] : characters)
        table.emplace(name, ControlWord{Word::character, character});
    // Destinations that hold no document text (or text that is not the body's):
    // pictures, objects, document properties, headers and footers, notes,
    // list and style definitions, field instructions.
    for (std::string_view name : {"aftncn",
                                  "aftnsep",
                                  "aftnsepc",
                                  "annotation",
                                  "atnauthor",
                                  "atndate",
                                  "atnicn",
                                  "atnid",
                                  "atnref",
                                  "atrfend",
                                  "atrfstart",
                                  "author",
                                  "bkmkend",
                                  "bkmkstart",
                                  "blipuid",
                                  "buptim",
                                  "category",
                                  "colorschememapping",
                                  "comment",
                                  "company",
                                  "creatim",
                                  "datastore",
                                  "docvar",
                                  "doccomm",
                                  "falt",
                                  "fchars",
                                  "fldinst",
                                  "filetbl",
                                  "fontemb",
                                  "fontfile",
                                  "footer",
                                  "footerf",
                                  "footerl",
                                  "footerr",
                                  "footnote",
                                  "ftncn",
                                  "ftnsep",
                                  "ftnsepc",
                                  "generator",
                                  "header",
                                  "headerf",
                                  "headerl",
                                  "headerr",
                                  "hlinkbase",
                                  "info",
                                  "keywords",
                                  "latentstyles",
                                  "lchars",
                                  "listoverridetable",
                                  "listpicture",
                                  "listtable",
                                  "manager",
                                  "mmathPr",
                                  "nonshppict",
                                  "object",
                                  "objdata",
                                  "objclass",
                                  "operator",
                                  "panose",
                                  "pgdsctbl",
                                  "pict",
                                  "pn",
                                  "pntxta",
                                  "pntxtb",
                                  "printim",
                                  "protusertbl",
                                  "revtbl",
                                  "revtim",
                                  "rsidtbl",
                                  "shp",
                                  "shpinst",
                                  "shppict",
                                  "sn",
                                  "sp",
                                  "stylesheet",
                                  "subject",
                                  "sv",
                                  "tc",
                                  "tcn",
                                  "template",
                                  "themedata",
                                  "title",
                                  "txe",
                                  "userprops",
                                  "wgrffmtfilter",
                                  "xe",
                                  "xmlnstbl",
                                  "xmlopen"}) {
        table.emplace(name, ControlWord{Word::skipped_destination});
    }
    return table;
}

}  // namespace

ControlWord word_of(std::string_view name) {
    static const WordTable table = make_word_table();
    auto found = table.find(name);
    return found == table.end() ? ControlWord{} : found->second;
}

}  // namespace vorna::rtf
