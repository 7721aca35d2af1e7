#include "rtf/rtf_character_formats.h"

#include <QFontDatabase>
#include <QFontInfo>

#include "rtf/document_font_family.h"

namespace vorna::rtf {
namespace {

// Laying out text slows with the square of the distinct font families once
// there are some hundreds of them (the font cache looks through all it holds
// for each new one). Up to this many are shown under their own names; beyond
// it a family that is not installed is shown in the one such names fall back to.
constexpr qsizetype kFamiliesShownByName = 128;

}  // namespace

const QTextCharFormat& CharacterFormats::format_of(const CharacterState& chars) {
    if (tables_version_ != tables_.version()) {
        formats_.clear();
        tables_version_ = tables_.version();
    }
    auto found = formats_.find(chars);
    if (found == formats_.end())
        found = formats_.emplace(chars, make_format(chars)).first;
    return found->second;
}

QTextCharFormat CharacterFormats::make_format(const CharacterState& chars) {
    QTextCharFormat format;
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (const FontEntry* font = tables_.font(chars.font);
        font != nullptr && !font->family.isEmpty()) {
        const QString shown = shown_family(font->family);
        format.setFontFamilies(QStringList{shown});
        // The format table's hash sees a family only as a plain string; without
        // it every format that differs only in its font would share one hash.
        format.setProperty(QTextFormat::FontFamily, shown);
        if (shown != font->family)
            format.setProperty(kDocumentFontFamily, font->family);
    }
    if (chars.half_points > 0)
        format.setFontPointSize(chars.half_points / 2.0);
    if (const std::optional<QColor> colour = tables_.colour(chars.colour))
        format.setForeground(*colour);
    return format;
}

// The family a run of `family` is shown in; see kFamiliesShownByName.
QString CharacterFormats::shown_family(const QString& family) {
    auto found = shown_families_.constFind(family);
    if (found != shown_families_.constEnd())
        return *found;
    const QString shown = shown_families_.size() < kFamiliesShownByName || is_installed(family)
                              ? family
                              : fallback_family();
    shown_families_.insert(family, shown);
    return shown;
}

// One look at the font database instead of one per family: asking it about
// each of thousands of families takes seconds.
bool CharacterFormats::is_installed(const QString& family) {
    if (installed_families_.isEmpty()) {
        for (const QString& installed : QFontDatabase::families())
            installed_families_.insert(installed.toCaseFolded());
    }
    return installed_families_.contains(family.toCaseFolded());
}

const QString& CharacterFormats::fallback_family() {
    if (fallback_family_.isEmpty())
        fallback_family_ = QFontInfo(document_.defaultFont()).family();
    return fallback_family_;
}

}  // namespace vorna::rtf
