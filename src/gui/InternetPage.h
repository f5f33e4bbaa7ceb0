#pragma once

#include <QWidget>

class LottoZahlen;

// "Internet-Optionen": the server and proxy of the draw update, and the web links.
class InternetPage : public QWidget
{
    Q_OBJECT
public:
    explicit InternetPage(LottoZahlen& window, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
