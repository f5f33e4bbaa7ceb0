#include "language/MessageTable.h"

MessageTable::MessageTable()
    : m_texts(defaults())
{
}

QStringList MessageTable::defaults()
{
    return {
        QStringLiteral("Zahlenverteilung"),
        QStringLiteral("Ziehungen"),
        QStringLiteral("Quersumme"),
        QStringLiteral("Wie oft wurden die einzelnen Superzahlen gezogen?"),
        QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"),
        QStringLiteral("Tipp-Test"),
        QStringLiteral("Ein Treffer gefunden am :"),
        QStringLiteral("Weiter?"),
        QStringLiteral("Ziehung gefunden"),
        QStringLiteral("Paare"),
        QStringLiteral("gefunden"), // 10
        QStringLiteral("Dreier"),
        QStringLiteral("Schein Nr "),
        QStringLiteral("Quersummenverteilung"),
        QStringLiteral("Quersumme"),
        QStringLiteral("Vierer"),
        QStringLiteral("Stoppen"),
        QStringLiteral("Berechnung der "),
        QStringLiteral("Paarbildung"),
        QStringLiteral("Dreiergruppenbildung"),
        QStringLiteral("Vierergruppenbildung"), // 20
        QStringLiteral("aussehenden Zahlen"),
        QStringLiteral("benachbarten Zahlen der letzten Ziehung"),
        QStringLiteral("Beginn der Tippberechnung"),
        QStringLiteral("Tipp"),
        QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"),
        QStringLiteral("Tipps wurden neu berechnet"),
        QString(),
        QStringLiteral("Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"),
        QStringLiteral("Zahlenverteilung des Tippes"),
        QStringLiteral("Ihre Glückszahl"), // 30
        QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"),
        QStringLiteral("Ihre Glückzahl ist jetzt die "),
        QStringLiteral("Aktuelle Einstellung brachten für Sa. bzw. Mi."),
        QStringLiteral("Fehler bei Eingabe der Zufallszahl"),
        QString(),
        QStringLiteral("Zahlen für Berechnung wählen"),
        QStringLiteral("Lottoschein Online Abgabe"),
        QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?"),
        QStringLiteral("Ziehungsergebnis vergleichen"),
        QStringLiteral("Treffer von Ziehungen in der Datenbank"), // 40
        QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"),
        QStringLiteral("Wie oft gab es bei der übernächsten Ziehung ähnliche Zahlen"),
        QStringLiteral("Wie oft gab es bei der überübernächsten Ziehung ähnliche Zahlen"),
        QStringLiteral("Anzahl der Primzahlen pro Tipp bei"),
        QStringLiteral("waren Primzahlen"),
        QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei"),
        QStringLiteral("waren Ungerade"),
        QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei"),
        QStringLiteral("waren Gerade"),
        QStringLiteral("Sollen alle Tipps gelöscht werden??"), // 50
        QStringLiteral("Alle Tipps löschen?"),
        QString(),
        QString(),
        QStringLiteral("Scheinnummer?"),
        QStringLiteral("die Datei für die Tippübergabe konnte nicht angelegt werden. Überprüfen Sie die "
                       "Zugriffsrechte des Programmes oder starten Sie als Administrator"),
    };
}
