#pragma once

#include <QDialog>
#include <QSet>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/desktop/desktop_services.h"

// Answers every modal question from queued answers and records what was
// asked, so no window test waits on a dialog.
class FakeDesktop : public vorna::ui::DesktopServices {
  public:
    struct FileQuestion {
        QString title;
        QString filter;
        QString start_path;
    };

    QStringList messages;
    QStringList warnings;  // the messages shown with the warning icon, also in `messages`
    std::deque<QString> next_file_names;  // an empty name answers as a cancel
    std::vector<FileQuestion> file_questions;
    std::deque<std::optional<QFont>> next_fonts;  // none left answers as a cancel
    QStringList font_titles;
    QSet<QString> windows_without_cyrillic;
    std::function<void(QDialog&)> on_modal;  // inspects a modal window instead of running it
    std::vector<int> end_requests;
    QStringList questions;
    std::deque<bool> next_answers;                // none left answers No
    std::deque<std::optional<int>> next_choices;  // none left answers as a cancel
    QStringList choice_buttons;                   // of the last choice, cancel last

    void show_message(QWidget*, const QString& text) override { messages << text; }
    void show_warning(QWidget* parent, const QString& text) override {
        warnings << text;
        show_message(parent, text);
    }
    bool ask(QWidget*, const QString& question) override {
        questions << question;
        return take(next_answers);
    }
    std::optional<int> choose(QWidget*, const QString& question, const QStringList& answers,
                              const QString& cancel) override {
        questions << question;
        choice_buttons = answers + QStringList{cancel};
        return take(next_choices);
    }
    QString open_file_name(QWidget*, const QString& title, const QString& filter,
                           const QString& start_path) override {
        file_questions.push_back({title, filter, start_path});
        return take(next_file_names);
    }
    QString save_file_name(QWidget* parent, const QString& title, const QString& filter,
                           const QString& start_path, ReplaceQuestion) override {
        return open_file_name(parent, title, filter, start_path);
    }
    std::optional<QFont> choose_font(QWidget*, const QString& title, const QFont&) override {
        font_titles << title;
        return take(next_fonts);
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
    template <typename Answer>
    static Answer take(std::deque<Answer>& answers) {
        if (answers.empty()) {
            return Answer();
        }
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
