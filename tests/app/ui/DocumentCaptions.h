// The captions of document windows, for comparing lists of open documents in tests.
#pragma once

#include "app/ui/TMDIChild.h"

#include <QList>
#include <QStringList>

namespace zn::app::ui::test {

inline QStringList Captions(const QList<TMDIChild*>& documents) {
    QStringList captions;
    for (const TMDIChild* document : documents)
        captions.push_back(document->Caption());
    return captions;
}

} // namespace zn::app::ui::test
