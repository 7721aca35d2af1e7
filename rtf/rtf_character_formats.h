#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QTextCharFormat>
#include <QTextDocument>

#include <map>

#include "rtf/rtf_character_state.h"
#include "rtf/rtf_document_tables.h"

namespace vorna::rtf {

// The QTextCharFormat of each character state of a document being read.
// Formats are made once per state: the document's format table then finds
// each again at once instead of comparing a new one with its entries.
class CharacterFormats {
  public:
    CharacterFormats(const DocumentTables& tables, const QTextDocument& document)
        : tables_(tables), document_(document) {}

    const QTextCharFormat& format_of(const CharacterState& chars);

  private:
    QTextCharFormat make_format(const CharacterState& chars);
    QString shown_family(const QString& family);
    bool is_installed(const QString& family);
    const QString& fallback_family();

    const DocumentTables& tables_;
    const QTextDocument& document_;
    int tables_version_ = -1;  // the version of the tables `formats_` were made with
    std::map<CharacterState, QTextCharFormat> formats_;
    QHash<QString, QString> shown_families_;  // a document's family: the family it is shown in
    QSet<QString> installed_families_;        // case-folded
    QString fallback_family_;
};

}  // namespace vorna::rtf
