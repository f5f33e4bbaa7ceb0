#pragma once

#include "language/LanguageFiles.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class MessageTable;
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

private:
    void applyTo(QWidget* view, const QList<Item>& items, LanguageFiles::CaptionRecords& records) const;

    struct View
    {
        QPointer<QWidget> widget;
        QList<Item> items;
    };
    QList<View> m_views;
    // What `adopt` puts onto a later view: the folder and code applied last.
    std::optional<std::pair<QString, QString>> m_applied;
};
