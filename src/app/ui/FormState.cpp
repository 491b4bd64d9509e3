// A window's form-state store: its placement and a listed set of its components' properties.
#include "app/ui/FormState.h"

#include "app/SettingsStore.h"
#include "app/ui/AppSettings.h"
#include "app/ui/SettingsConvert.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QKeySequence>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QWidget>

namespace zn::app::ui {

void DialogMemory::ApplyTo(QFileDialog& dialog) const {
    const QString folder = !InitialDir.isEmpty() ? InitialDir : QFileInfo(FileName).path();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    if (!FileName.isEmpty())
        dialog.selectFile(QFileInfo(FileName).fileName());
    const QStringList filters = dialog.nameFilters();
    if (FilterIndex >= 1 && FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[FilterIndex - 1]);
}

void DialogMemory::TakeFrom(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    if (!files.isEmpty())
        FileName = files.front();
    const int filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    if (filter >= 0)
        FilterIndex = filter + 1;
    InitialDir = dialog.directory().absolutePath();
}

FormState::FormState(QWidget* window, QString key, PlacementKind placement)
    : FormState(window, std::move(key), placement, AppSettingsStore()) {}

FormState::FormState(QWidget* window, QString key, PlacementKind placement, SettingsStore& store)
    : window_(window), key_(key.toStdString()), placement_(placement), store_(store) {
    window->installEventFilter(this);
}

FormState::FormState(QWidget* window, const FormStore& form)
    : FormState(window, QString::fromLatin1(form.Key), form.Placement) {}

FormState::FormState(QWidget* window, const FormStore& form, SettingsStore& store)
    : FormState(window, QString::fromLatin1(form.Key), form.Placement, store) {}

FormState::~FormState() {
    if (window_)
        Save();
}

bool FormState::eventFilter(QObject* watched, QEvent* event) {
    // A hidden dialog is kept for its next use; what the user set must reach the store now.
    if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous())
        Save();
    return false;
}

std::string FormState::ListKey(const QString& name) const {
    return key_ + "\\" + name.toStdString();
}

void FormState::Restore() {
    if (!window_)
        return;
    RestorePlacement(store_, key_, *window_, placement_);
    for (const Binding& binding : bindings_)
        binding.Restore();
}

void FormState::Save() {
    if (!window_)
        return;
    SettingsStore::Transaction group(store_);
    SavePlacement(store_, key_, *window_, placement_);
    for (const Binding& binding : bindings_)
        binding.Save();
    group.Commit();
}

// ---- bindings by getter and setter ----

void FormState::AddString(const QString& name, std::function<QString()> get,
                          std::function<void(const QString&)> set) {
    bindings_.push_back(
        {[this, n = ValueName(name), get] { store_.WriteString(key_, n, ToStored(get())); },
         [this, n = ValueName(name), set] {
             if (const auto text = store_.ReadString(key_, n))
                 set(FromStored(*text));
         }});
}

void FormState::AddInteger(const QString& name, std::function<int()> get,
                           std::function<void(int)> set) {
    bindings_.push_back({[this, n = ValueName(name), get] { store_.WriteInteger(key_, n, get()); },
                         [this, n = ValueName(name), set] {
                             if (const auto number = store_.ReadInteger(key_, n))
                                 set(*number);
                         }});
}

void FormState::AddBool(const QString& name, std::function<bool()> get,
                        std::function<void(bool)> set) {
    AddInteger(
        name, [get] { return get() ? 1 : 0; }, [set](int number) { set(number != 0); });
}

void FormState::AddColor(const QString& name, std::function<QColor()> get,
                         std::function<void(const QColor&)> set) {
    AddInteger(
        name, [get] { return static_cast<int>(NumberFromColor(get())); },
        [set](int number) { set(ColorFromNumber(static_cast<ColorNumber>(number) & 0xFFFFFF)); });
}

void FormState::AddFont(const QString& name, std::function<QFont()> get,
                        std::function<void(const QFont&)> set) {
    AddString(
        name, [get] { return get().toString(); },
        [set](const QString& text) {
            // QFont::toString() writes ten or more fields; fromString() would take any text
            // for a family name.
            QFont font;
            if (text.count(QLatin1Char(',')) >= 9 && font.fromString(text))
                set(font);
        });
}

void FormState::AddStringList(const QString& name, std::function<QStringList()> get,
                              std::function<void(const QStringList&)> set) {
    bindings_.push_back({[this, k = ListKey(name), get] {
                             std::vector<std::string> items;
                             for (const QString& item : get())
                                 items.push_back(ToStored(item));
                             store_.WriteStringList(k, items);
                         },
                         [this, k = ListKey(name), set] {
                             if (!store_.KeyExists(k))
                                 return;
                             QStringList items;
                             for (const std::string& item : store_.ReadStringList(k))
                                 items.push_back(FromStored(item));
                             set(items);
                         }});
}

void FormState::AddIntegerList(const QString& name, std::function<QList<int>()> get,
                               std::function<void(const QList<int>&)> set) {
    bindings_.push_back({[this, k = ListKey(name), get] {
                             const QList<int> numbers = get();
                             store_.WriteIntegerList(k, {numbers.begin(), numbers.end()});
                         },
                         [this, k = ListKey(name), set] {
                             if (!store_.KeyExists(k))
                                 return;
                             const std::vector<std::int32_t> numbers = store_.ReadIntegerList(k);
                             set(QList<int>(numbers.begin(), numbers.end()));
                         }});
}

// ---- bindings by Qt property ----

bool FormState::AddProperty(QObject* object, const char* property, const QString& name) {
    const int index = object->metaObject()->indexOfProperty(property);
    if (index < 0)
        return false;
    const QPointer<QObject> target(object);
    const auto get = [target, property] {
        return target ? target->property(property) : QVariant();
    };
    const auto set = [target, property](const QVariant& value) {
        if (target)
            target->setProperty(property, value);
    };
    switch (object->metaObject()->property(index).metaType().id()) {
    case QMetaType::Bool:
        AddBool(
            name, [get] { return get().toBool(); }, [set](bool v) { set(v); });
        return true;
    case QMetaType::Int:
        AddInteger(
            name, [get] { return get().toInt(); }, [set](int v) { set(v); });
        return true;
    case QMetaType::QString:
        AddString(
            name, [get] { return get().toString(); }, [set](const QString& v) { set(v); });
        return true;
    case QMetaType::QStringList:
        AddStringList(
            name, [get] { return get().toStringList(); }, [set](const QStringList& v) { set(v); });
        return true;
    case QMetaType::QColor:
        AddColor(
            name, [get] { return get().value<QColor>(); }, [set](const QColor& v) { set(v); });
        return true;
    case QMetaType::QFont:
        AddFont(
            name, [get] { return get().value<QFont>(); }, [set](const QFont& v) { set(v); });
        return true;
    case QMetaType::QKeySequence:
        AddString(
            name,
            [get] { return get().value<QKeySequence>().toString(QKeySequence::PortableText); },
            [set](const QString& v) {
                set(QVariant::fromValue(QKeySequence::fromString(v, QKeySequence::PortableText)));
            });
        return true;
    default:
        return false;
    }
}

void FormState::AddCheckBox(QAbstractButton* box) {
    AddProperty(box, "checked", box->objectName() + QStringLiteral(".Checked"));
}

void FormState::AddSpinBox(QSpinBox* box) {
    AddProperty(box, "value", box->objectName() + QStringLiteral(".Value"));
}

void FormState::AddComboItems(QComboBox* combo) {
    const QPointer<QComboBox> target(combo);
    AddStringList(
        combo->objectName() + QStringLiteral(".Items"),
        [target] {
            QStringList items;
            for (int i = 0; target && i < target->count(); ++i)
                items.push_back(target->itemText(i));
            return items;
        },
        [target](const QStringList& items) {
            if (!target)
                return;
            target->clear();
            target->addItems(items);
        });
}

void FormState::AddLines(QPlainTextEdit* edit) {
    const QPointer<QPlainTextEdit> target(edit);
    AddStringList(
        edit->objectName() + QStringLiteral(".Lines"),
        [target] {
            return target ? target->toPlainText().split(QLatin1Char('\n')) : QStringList();
        },
        [target](const QStringList& lines) {
            if (target)
                target->setPlainText(lines.join(QLatin1Char('\n')));
        });
}

void FormState::AddSplitter(QSplitter* splitter) {
    const QPointer<QSplitter> target(splitter);
    AddIntegerList(
        splitter->objectName() + QStringLiteral(".Sizes"),
        [target] { return target ? target->sizes() : QList<int>(); },
        [target](const QList<int>& sizes) {
            if (target && sizes.size() == target->count())
                target->setSizes(sizes);
        });
}

void FormState::AddShortcut(QAction* action) {
    // Every key of the command: a second one (the keypad's Enter) must survive a restart too.
    // One key is stored as before; more are joined by "; ".
    const QPointer<QAction> target(action);
    AddString(
        action->objectName() + QStringLiteral(".ShortCut"),
        [target] {
            return target
                       ? QKeySequence::listToString(target->shortcuts(), QKeySequence::PortableText)
                       : QString();
        },
        [target](const QString& text) {
            if (target)
                target->setShortcuts(
                    QKeySequence::listFromString(text, QKeySequence::PortableText));
        });
}

void FormState::AddDialog(const QString& dialogName, DialogMemory& memory) {
    DialogMemory* m = &memory;
    AddString(
        dialogName + QStringLiteral(".FileName"), [m] { return m->FileName; },
        [m](const QString& v) { m->FileName = v; });
    AddInteger(
        dialogName + QStringLiteral(".FilterIndex"), [m] { return m->FilterIndex; },
        [m](int v) { m->FilterIndex = v; });
    AddString(
        dialogName + QStringLiteral(".InitialDir"), [m] { return m->InitialDir; },
        [m](const QString& v) { m->InitialDir = v; });
}

} // namespace zn::app::ui
