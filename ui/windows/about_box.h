#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vorna::ui {

class DesktopServices;

// frmAbout: the About box, made anew for every showing.
class AboutBox : public QDialog {
  public:
    AboutBox(DesktopServices& services, QWidget* parent);

  private:
    QLabel* add_label(const char* name, const QString& text, double width, double height);
};

}  // namespace vorna::ui
