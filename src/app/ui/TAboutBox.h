// The About box "O aplikaci": the product, its version and the memory of the machine.
#pragma once

#include "app/MemoryInfo.h"

#include <QDialog>

#include <optional>

class QLabel;

namespace zn::app::ui {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    /// Shows the given figures (the constructor shows those of this moment).
    void ShowMemory(const std::optional<MemoryFigures>& figures);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* PhysMem; ///< total physical memory
    QLabel* FreeMem; ///< free physical memory
    QLabel* FreeRes; ///< memory programs can still get, in per cent
};

/// A kilobyte count in the Czech way: "16 306 548 KB".
QString KilobytesLabel(std::uint64_t kilobytes);

} // namespace zn::app::ui
