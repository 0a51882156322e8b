#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace quillet {

QString TfrmAbout::versionText() {
    return QStringLiteral("Version " QUILLET_VERSION);
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About - Quillet"));

    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/quillet.svg")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignCenter);
    auto* product = new QLabel(QStringLiteral("Quillet"), this);
    product->setObjectName(QStringLiteral("lblProduct"));
    QFont f = product->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    product->setFont(f);
    product->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    auto* blurb = new QLabel(tr("A notebook for writers of fiction."), this);
    blurb->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    layout->addWidget(picture);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addWidget(blurb);
    layout->addWidget(buttons);
    setMinimumWidth(280);
}

} // namespace quillet
