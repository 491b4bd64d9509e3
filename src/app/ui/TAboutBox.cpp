// The About box and its memory figures.
#include "app/ui/TAboutBox.h"

#include "app/DocumentNames.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace zn::app::ui {

QString KilobytesLabel(std::uint64_t kilobytes) {
    const QString separator = QLocale(QLocale::Czech, QLocale::CzechRepublic).groupSeparator();
    return QString::fromStdString(KilobytesText(kilobytes, separator.toStdString()));
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O aplikaci"));
    auto* layout = new QVBoxLayout(this);
    ProductName = new QLabel(QString::fromStdString(std::string(ApplicationName)), this);
    QFont big = ProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    ProductName->setFont(big);
    Version = new QLabel(QStringLiteral("pre-release č.3"), this);
    layout->addWidget(ProductName);
    layout->addWidget(Version);
    layout->addWidget(new QLabel(QStringLiteral("Editor zdrojového textu webových stránek"), this));

    auto* memory = new QFormLayout;
    PhysMem = new QLabel(this);
    FreeMem = new QLabel(this);
    FreeRes = new QLabel(this);
    memory->addRow(QStringLiteral("Fyzická paměť:"), PhysMem);
    memory->addRow(QStringLiteral("Volná paměť:"), FreeMem);
    memory->addRow(QStringLiteral("Dostupná paměť:"), FreeRes);
    layout->addLayout(memory);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    ShowMemory(ReadMemoryFigures());
}

void TAboutBox::ShowMemory(const std::optional<MemoryFigures>& figures) {
    if (!figures) {
        const QString unknown = QStringLiteral("neznámá");
        PhysMem->setText(unknown);
        FreeMem->setText(unknown);
        FreeRes->setText(unknown);
        return;
    }
    PhysMem->setText(KilobytesLabel(figures->TotalKB));
    FreeMem->setText(KilobytesLabel(figures->FreeKB));
    FreeRes->setText(QString::fromStdString(ResourcesText(figures->AvailablePercent())));
}

} // namespace zn::app::ui
