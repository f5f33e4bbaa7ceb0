#pragma once

#include "language/LanguageFiles.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class MessageTable;
class QLabel;
class QObject;
class QWidget;

// Puts the texts of a language onto the views and writes the caption file that the languages are
// made from. The views are visited in the order they were registered and their items in the order
// they were created; that order is taken once, when a view is registered, because showing a page
// restacks its widgets.
class LanguageView
{
public:
    struct Item
    {
        QPointer<QObject> object;
        LanguageFiles::ItemKind kind;
    };

    // Standing views, main window first. A view made later (a dialog built for one use) is adopted:
    // the language applied last is put onto it at once.
    void addView(QWidget* view);
    void adopt(QWidget* view);

    // Applies the files of `code` from `folder`; does nothing when the caption file is missing.
    void apply(const QString& folder, const QString& code, MessageTable& messages);

    // The caption file and its translation template, over the standing views and then `extraViews`
    // (views made only for the export).
    struct Export
    {
        QStringList captionLines;
        QStringList templateLines;
    };
    Export exportTexts(const QList<QWidget*>& extraViews = {}) const;

    static QList<Item> itemsOf(QWidget* view);
    static QString caption(const Item& item);
    static QString hint(const Item& item);
    static void setChoices(QWidget* group, const QStringList& lines);
    // The wording of a label that shows values in it (a pattern such as "%1 aus %2" or a prefix): the
    // caption a language set, else `builtIn`.
    static QString labelCaption(const QLabel* label, const QString& builtIn);

private:
    void applyTo(QWidget* view, const QList<Item>& items, LanguageFiles::CaptionRecords& records) const;

    struct View
    {
        QPointer<QWidget> widget;
        QList<Item> items;
    };
    QList<View> m_views;
    // What `adopt` puts onto a later view: the caption file and translation applied last.
    std::optional<LanguageFiles::CaptionRecords> m_applied;
};
