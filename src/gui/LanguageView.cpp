#include "gui/LanguageView.h"

#include "language/MessageTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

using LanguageFiles::ItemKind;

namespace {

// The character set a record names is kept with the item; Qt picks glyphs by script itself.
constexpr const char* CharacterSet = "characterSet";
constexpr int DefaultCharacterSet = 1;

QTabWidget* tabsOf(const QWidget* page)
{
    const QWidget* stack = page->parentWidget();
    if (!qobject_cast<const QStackedWidget*>(stack))
        return nullptr;
    return qobject_cast<QTabWidget*>(stack->parentWidget());
}

bool isChoiceGroup(const QGroupBox* box)
{
    return box->objectName().startsWith(QLatin1String("RadioGroup"));
}

std::optional<ItemKind> kindOf(QObject* object, const QWidget* view)
{
    if (object->objectName().isEmpty() || object->objectName().startsWith(QLatin1String("qt_")))
        return std::nullopt;
    if (qobject_cast<QAction*>(object))
        return ItemKind::MenuEntry;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || widget == view)
        return std::nullopt;
    if (qobject_cast<QMenu*>(widget))
        return std::nullopt; // its entry is the menu's action, its first child
    if (widget->isWindow())
        return ItemKind::View;
    if (tabsOf(widget))
        return ItemKind::Page;
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->pixmap().isNull() ? std::optional(ItemKind::Label) : std::nullopt;
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return isChoiceGroup(box) ? ItemKind::ChoiceGroup : ItemKind::Panel;
    if (qobject_cast<QPushButton*>(widget))
        return widget->objectName().startsWith(QLatin1String("BitBtn")) ? ItemKind::PictureButton
                                                                        : ItemKind::Button;
    if (qobject_cast<QToolButton*>(widget))
        return ItemKind::SpeedButton;
    if (qobject_cast<QCheckBox*>(widget))
        return ItemKind::CheckBox;
    if (qobject_cast<QRadioButton*>(widget))
        return ItemKind::RadioButton;
    if (qobject_cast<QDateTimeEdit*>(widget))
        return std::nullopt;
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget))
        return ItemKind::Edit;
    return std::nullopt;
}

// A label that shows a value around its wording composes it from the caption kept here.
constexpr const char* LabelCaption = "caption";

int characterSetOf(const QObject* object)
{
    const QVariant value = object->property(CharacterSet);
    return value.isValid() ? value.toInt() : DefaultCharacterSet;
}

void setCaption(const LanguageView::Item& item, const QString& text)
{
    QObject* o = item.object;
    if (auto* action = qobject_cast<QAction*>(o)) {
        action->setText(text);
    } else if (item.kind == ItemKind::Page) {
        auto* page = static_cast<QWidget*>(o);
        QTabWidget* tabs = tabsOf(page);
        tabs->setTabText(tabs->indexOf(page), text);
    } else if (item.kind == ItemKind::View) {
        static_cast<QWidget*>(o)->setWindowTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(o)) {
        label->setText(text);
        label->setProperty(LabelCaption, text);
    } else if (auto* box = qobject_cast<QGroupBox*>(o)) {
        box->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
        button->setText(text);
    }
}

void setHint(const LanguageView::Item& item, const QString& text)
{
    if (auto* action = qobject_cast<QAction*>(item.object))
        action->setStatusTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(item.object))
        widget->setToolTip(text);
}

// The items of the four choice groups are the lines of the choice files.
bool fedByChoiceFile(const QWidget* w)
{
    static const QStringList groups{QStringLiteral("RadioGroup1"), QStringLiteral("RadioGroup2"),
                                    QStringLiteral("RadioGroup3"), QStringLiteral("RadioGroup4")};
    return qobject_cast<const QRadioButton*>(w) && w->parentWidget() &&
           groups.contains(w->parentWidget()->objectName());
}

bool isWording(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return !button->text().isEmpty();
    if (auto* box = qobject_cast<const QGroupBox*>(w))
        return !box->title().isEmpty();
    return false;
}

// Visits a view's items in creation order; a stacked widget's pages count in page order, another view's
// items are its own. Wording on a control made without a name (the explanations and units of the option
// pages) gets "Text1", "Text2", … in that order, so that it has a record like every named control.
class Collector
{
public:
    explicit Collector(QWidget* view)
        : m_view(view)
    {
    }

    QList<LanguageView::Item> items()
    {
        walk(m_view);
        return m_items;
    }

private:
    void walk(QObject* object)
    {
        QObjectList children = object->children();
        if (auto* stack = qobject_cast<QStackedWidget*>(object)) {
            children.clear();
            for (int i = 0; i < stack->count(); ++i)
                children << stack->widget(i);
        }
        for (QObject* child : std::as_const(children)) {
            auto* widget = qobject_cast<QWidget*>(child);
            const bool otherView = widget && widget->isWindow() && !qobject_cast<QMenu*>(widget);
            if (widget && !otherView)
                nameIfWording(widget);
            if (auto kind = kindOf(child, m_view))
                m_items.append({child, *kind});
            if (!otherView)
                walk(child);
        }
    }

    void nameIfWording(QWidget* w)
    {
        // Qt names and translates the standard buttons of a button box itself.
        if (!w->objectName().isEmpty() || !isWording(w) || fedByChoiceFile(w) ||
            qobject_cast<QDialogButtonBox*>(w->parentWidget()))
            return;
        QString name;
        do
            name = QStringLiteral("Text%1").arg(++m_lastText);
        while (m_view->findChild<QObject*>(name));
        w->setObjectName(name);
    }

    QWidget* m_view;
    QList<LanguageView::Item> m_items;
    int m_lastText = 0;
};

} // namespace

QList<LanguageView::Item> LanguageView::itemsOf(QWidget* view)
{
    return Collector(view).items();
}

QString LanguageView::caption(const Item& item)
{
    QObject* o = item.object;
    if (auto* action = qobject_cast<QAction*>(o))
        return action->text();
    if (item.kind == ItemKind::Page) {
        auto* page = static_cast<QWidget*>(o);
        QTabWidget* tabs = tabsOf(page);
        return tabs->tabText(tabs->indexOf(page));
    }
    if (item.kind == ItemKind::View)
        return static_cast<QWidget*>(o)->windowTitle();
    if (auto* label = qobject_cast<QLabel*>(o))
        return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(o))
        return box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(o))
        return button->text();
    return {};
}

QString LanguageView::hint(const Item& item)
{
    if (auto* action = qobject_cast<QAction*>(item.object))
        return action->statusTip();
    if (auto* widget = qobject_cast<QWidget*>(item.object))
        return widget->toolTip();
    return {};
}

QString LanguageView::labelCaption(const QLabel* label, const QString& builtIn)
{
    const QVariant set = label->property(LabelCaption);
    return set.isValid() ? set.toString() : builtIn;
}

void LanguageView::setChoices(QWidget* group, const QStringList& lines)
{
    auto* box = qobject_cast<QGroupBox*>(group);
    if (!box)
        return;
    QList<QRadioButton*> buttons = box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    int selected = 0;
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked())
            selected = i;
    }
    auto* buttonGroup = box->findChild<QButtonGroup*>();
    while (buttons.size() < lines.size()) {
        auto* radio = new QRadioButton(box);
        if (buttonGroup)
            buttonGroup->addButton(radio, int(buttons.size()));
        if (box->layout())
            box->layout()->addWidget(radio);
        radio->show();
        buttons.append(radio);
    }
    while (buttons.size() > lines.size() && buttons.size() > 1)
        delete buttons.takeLast();
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(i < lines.size() ? lines[i] : QString());
    const int keep = std::min(selected, int(buttons.size()) - 1);
    if (keep >= 0 && !buttons[keep]->isChecked())
        buttons[keep]->setChecked(true);
}

void LanguageView::addView(QWidget* view)
{
    m_views.append({view, itemsOf(view)});
}

void LanguageView::adopt(QWidget* view)
{
    if (!m_applied)
        return;
    // A search of its own, from the view's first record, over the files the last language read.
    LanguageFiles::CaptionRecords records = *m_applied;
    if (!records.seekView(view->objectName()))
        return;
    if (view->parentWidget())
        applyTo(view->parentWidget()->window(), {{view, ItemKind::View}}, records);
    applyTo(view, itemsOf(view), records);
}

void LanguageView::applyTo(QWidget* view, const QList<Item>& items, LanguageFiles::CaptionRecords& records) const
{
    const QString name = view->objectName();
    for (const Item& item : items) {
        if (!item.object || item.object->property("tag").toInt() != 0)
            continue;
        const auto texts = records.find(name, item.object->objectName());
        if (!texts)
            continue;
        if (LanguageFiles::hasCaption(item.kind))
            setCaption(item, texts->caption);
        setHint(item, texts->hint);
        if (texts->characterSet && LanguageFiles::hasCharacterSet(item.kind))
            item.object->setProperty(CharacterSet, *texts->characterSet);
    }
}

void LanguageView::apply(const QString& folder, const QString& code, MessageTable& messages)
{
    const QDir dir(folder);
    const auto base = LanguageFiles::readLines(dir.filePath(QLatin1String(LanguageFiles::CaptionFile)));
    if (!base)
        return;
    const LanguageFiles::CaptionRecords read(
        *base, LanguageFiles::readLines(dir.filePath(QLatin1String(LanguageFiles::CaptionFile) + QLatin1Char('.') + code)));
    m_applied = read;
    LanguageFiles::CaptionRecords records = read;
    for (const View& view : std::as_const(m_views)) {
        if (view.widget)
            applyTo(view.widget, view.items, records);
    }

    const QList<QStringList> groups = {{QStringLiteral("RadioGroup1")},
                                       {QStringLiteral("RadioGroup2")},
                                       {QStringLiteral("RadioGroup3"), QStringLiteral("RadioGroup4")}};
    for (int i = 0; i < groups.size(); ++i) {
        const auto lines = LanguageFiles::readLines(dir.filePath(QLatin1String(LanguageFiles::ChoiceStems[i]) + code));
        if (!lines)
            continue;
        for (const QString& name : groups[i]) {
            for (const View& view : std::as_const(m_views)) {
                if (!view.widget)
                    continue;
                if (auto* group = view.widget->findChild<QGroupBox*>(name))
                    setChoices(group, *lines);
            }
        }
    }
    if (const auto lines = LanguageFiles::readLines(dir.filePath(QLatin1String(LanguageFiles::MessageStem) + code)))
        messages.replaceAll(*lines);
}

LanguageView::Export LanguageView::exportTexts(const QList<QWidget*>& extraViews) const
{
    // Labels that show values are told by the program's own number format, not the machine's.
    const QLocale locale(QLocale::German, QLocale::Germany);
    Export out;
    auto write = [&](QWidget* view, const QList<Item>& items) {
        for (const Item& item : items) {
            if (!item.object)
                continue;
            const auto* action = qobject_cast<const QAction*>(item.object);
            const LanguageFiles::ExportItem e{item.kind,
                                              view->objectName(),
                                              item.object->objectName(),
                                              caption(item),
                                              hint(item),
                                              characterSetOf(item.object),
                                              action ? action->isVisible() : true};
            if (const auto record = LanguageFiles::exportRecord(e, locale)) {
                out.captionLines += *record;
                out.templateLines << record->at(2) << record->at(3);
            }
        }
    };
    for (const View& view : m_views) {
        if (view.widget)
            write(view.widget, view.items);
    }
    for (QWidget* view : extraViews) {
        if (view->parentWidget())
            write(view->parentWidget()->window(), {{view, ItemKind::View}});
        write(view, itemsOf(view));
    }
    return out;
}
