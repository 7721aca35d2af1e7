#include "ui/windows/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/boxes/twips.h"
#include "ui/desktop/cyrillic_check.h"
#include "ui/desktop/product_art.h"
#include "ui/desktop/window_placement.h"
#include "ui/desktop/x11_window_hints.h"
#include "ui/windows/window_texts.h"

namespace vorna::ui {

AboutBox::AboutBox(DesktopServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QLatin1String(names::kAboutBox));
    setWindowTitle(QString::fromUtf8(kAboutTitle.cyrillic));
    setWindowIcon(product_icon());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips_to_pixels(240), twips_to_pixels(180), twips_to_pixels(240),
                               twips_to_pixels(135));
    layout->setSpacing(twips_to_pixels(75));

    auto* picture = new QLabel(this);
    picture->setObjectName(QLatin1String(names::kAboutPicture));
    picture->setPixmap(QPixmap::fromImage(product_picture()));
    picture->setFrameShape(QFrame::Panel);
    picture->setFrameShadow(QFrame::Sunken);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedSize(picture->sizeHint());
    layout->addWidget(picture, 0, Qt::AlignHCenter);

    QLabel* title =
        add_label(names::kAboutTitle, QString::fromUtf8(kAboutProductTitle.cyrillic), 2205, 240);
    title->setStyleSheet(QStringLiteral("color: black;"));
    QLabel* version =
        add_label(names::kAboutVersion, QString::fromUtf8(kAboutVersion.cyrillic), 2085, 225);
    for (const auto& [name, text] : {std::pair{names::kAboutContact, kContactAddress},
                                     std::pair{names::kAboutWeb, kWebAddress}}) {
        QLabel* address = add_label(name, QString::fromLatin1(text), 2205, 225);
        QFont underlined = address->font();
        underlined.setUnderline(true);
        address->setFont(underlined);
        address->setStyleSheet(QStringLiteral("color: blue;"));
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QLatin1String(names::kAboutOk));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setMinimumSize(twips_to_pixels(660), twips_to_pixels(345));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addSpacing(twips_to_pixels(30));
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    ok->setFocus();

    // The designed caption is compared with its literal; Esc closes the box
    // through QDialog's own reject().
    if (!caption_survived(title->text(), QString::fromUtf8(kAboutProductTitle.cyrillic), services,
                          objectName())) {
        title->setText(QString::fromUtf8(kAboutProductTitle.translit));
        version->setText(QString::fromUtf8(kAboutVersion.translit));
        setWindowTitle(QString::fromUtf8(kAboutTitle.translit));
    }

    // The designed client area is 3180 x 3000 twips; a larger font grows it
    // so no text is cut.
    const QSize needed = layout->sizeHint();
    setFixedSize(std::max(needed.width(), twips_to_pixels(3180)),
                 std::max(needed.height(), twips_to_pixels(3000)));
    centre_on_screen(*this);
    ask_for_no_minimise_button(*this);
}

QLabel* AboutBox::add_label(const char* name, const QString& text, double width, double height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(twips_to_pixels(width), twips_to_pixels(height));
    static_cast<QVBoxLayout*>(layout())->addWidget(label, 0, Qt::AlignHCenter);
    return label;
}

}  // namespace vorna::ui
