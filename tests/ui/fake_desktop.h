#pragma once

#include <QDialog>
#include <QSet>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/desktop_services.h"

// Answers every modal question from queued answers and records what was
// asked, so no window test waits on a dialog.
class FakeDesktop : public vorna::ui::DesktopServices {
  public:
    struct FileQuestion {
        QString title;
        QString filter;
    };

    QStringList messages;
    std::deque<QString> next_file_names;  // an empty name answers as a cancel
    std::vector<FileQuestion> file_questions;
    std::deque<std::optional<QFont>> next_fonts;
    QSet<QString> windows_without_cyrillic;
    std::function<void(QDialog&)> on_modal;  // inspects a modal window instead of running it
    std::vector<int> end_requests;

    void show_message(QWidget*, const QString& text) override { messages << text; }
    QString open_file_name(QWidget*, const QString& title, const QString& filter,
                           const QString&) override {
        return next_file_name(title, filter);
    }
    QString save_file_name(QWidget*, const QString& title, const QString& filter,
                           const QString&) override {
        return next_file_name(title, filter);
    }
    std::optional<QFont> choose_font(QWidget*, const QFont&) override {
        if (next_fonts.empty()) {
            return std::nullopt;
        }
        std::optional<QFont> font = next_fonts.front();
        next_fonts.pop_front();
        return font;
    }
    void run_modal(QDialog& dialog) override {
        if (on_modal) {
            on_modal(dialog);
        }
    }
    bool cyrillic_font_installed(const QString& window) override {
        return !windows_without_cyrillic.contains(window);
    }
    void end_program(int exit_status) override { end_requests.push_back(exit_status); }

  private:
    QString next_file_name(const QString& title, const QString& filter) {
        file_questions.push_back({title, filter});
        if (next_file_names.empty()) {
            return QString();
        }
        QString name = next_file_names.front();
        next_file_names.pop_front();
        return name;
    }
};
