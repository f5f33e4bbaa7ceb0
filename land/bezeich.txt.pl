&Aktualizuj

&Oblicz

&Wyślij

E&ksportuj

Zapisz zakłady jako CSV…

Zapisz wykres jako obraz…

Sprache/Language/Langue

Niemiecki

Angielski

Francuski

Hiszpański

Turecki

Rosyjski

Polski

Czeski

Niderlandzki

Pomoc

Pokaż dokumentację

Otwórz folder danych

&Zamknij

Zakład lotto

N U M E R A N T

N U M E R A N T


vorhergehende Ziehung anzeigen

pokaż następne losowanie
Suma: 

%1 z %2
Zasady gry wyświetlanego losowania
Nr kuponu
kliknij tutaj, aby wpisać numer kuponu 
1. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
2. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 2 w formularzu lub wygenerować go losowo
3. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 3 w formularzu lub wygenerować go losowo
4. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 4 w formularzu lub wygenerować go losowo
5. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 5 w formularzu lub wygenerować go losowo
6. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 6 w formularzu lub wygenerować go losowo
7. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 7 w formularzu lub wygenerować go losowo
8. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 8 w formularzu lub wygenerować go losowo
9. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 9 w formularzu lub wygenerować go losowo
10. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 10 w formularzu lub wygenerować go losowo
11. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 11 w formularzu lub wygenerować go losowo
12. zakład
Gdy „zakład” jest czerwony, ten zestaw nie zostanie przeliczony!
...
Kliknij tutaj, aby zmienić zakład 12 w formularzu lub wygenerować go losowo

Zapisz zakład

Wczytaj zakład z pliku
@
Wyślij swój zakład e-mailem. Dołączony jest link, dzięki któremu sprawdzisz zakład także online
Zakład

Szukaj zakładów w bazie
Tutaj możesz sprawdzić, czy ten zakład był już kiedyś wylosowany
Rozkład zakładów

Wyślij za&kład


Usuń wszystkie zakłady
O&blicz zakłady
Ustawiona liczba zakładów zostanie obliczona według zadanych parametrów
Ustaw szczęśliwą liczbę
Tutaj możesz trochę pomóc losowi i wygenerować naprawdę własny zakład
Obliczanie

Statystyczne

Preferuj liczby wg statystyki

W „Ogólne” możesz ustawić, by obliczenie używało tylko tych liczb

Obliczenie używa za każdym razem pierwszych x% (np. do 30% maksimum).

Preferuj liczby losowane szczególnie często
Preferuj pierwsze X% najczęściej losowanych liczb
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%


Rozkład wylosowanych liczb
Preferuj liczby losowane szczególnie rzadko
preferuj pierwsze X% najrzadziej losowanych liczb
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%

Liczby najdłużej niewylosowane
preferuj pierwsze X% najdłużej niewylosowanych liczb
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%


Tworzy wykres najdłużej niewylosowanych liczb
Preferuj liczby często tworzące pary

najrzadsze


Tworzenie wykresu par liczb
Preferuj liczby często tworzące trójki

najrzadsze


Tworzenie wykresu trójek liczb
Preferuj liczby często tworzące czwórki

najrzadsze


Tworzenie wykresu czwórek liczb
Dla wyższych wygranych niektóre liczby można „osłabić”

preferuj liczby sąsiednie z ostatniego losowania

unikaj liczb 1-12 (miesiące, często typowane przez graczy grających datami) 

Zmniejsz wagę liczb 1-31 (daty)  -  rzadziej w zakładzie

Optymalizacja kuponu

Optymalizacja zakładów kuponu względem siebie 

maksymalna liczba wspólnych liczb z innymi zakładami

minimalna liczba wspólnych liczb z innymi zakładami

Stosuj min/maks do relacji każdego zakładu z każdym innym

Optymalizacja zakładów wg poprzednich losowań

Zakład nie osiągnął jeszcze w bazie losowań liczby trafień 
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, począwszy od daty z przeglądu wykresów
Ustaw wartość 5 lub 6, jeśli używasz całej bazy danych
Ustaw wartość 5 lub 6, jeśli używasz całej bazy danych
trafień

Zakład nie osiąga liczby trafień 
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, począwszy od daty z przeglądu wykresów
Ustaw wartość 4 lub 5, jeśli wybierzesz bardzo dużą liczbę losowań
Ustaw wartość 4 lub 5, jeśli wybierzesz bardzo dużą liczbę losowań
trafień w ostatnich

Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
Losowania

Zakład nie osiąga liczby trafień
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, począwszy od daty z przeglądu wykresów
Ustaw wartość 4 lub 5, jeśli wybierzesz bardzo dużą liczbę losowań
Ustaw wartość 4 lub 5, jeśli wybierzesz bardzo dużą liczbę losowań
trafień w ostatnich

Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
Tutaj możesz dodatkowo wykluczyć np. 3 lub 4 trafienia w ostatnich losowaniach
Losowania

maksymalnie dopuszczalna ilość liczb z ostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
maksymalnie dopuszczalna ilość liczb z przedostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
maksymalnie dopuszczalna ilość liczb z przedprzedostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
Uwzględnij liczbę dodatkową przy liczeniu trafień 

Matematyczne

Te warunki obowiązują w każdym zakładzie

Ograniczając sumę, unikniesz zakładów takich jak 1-2-3-4-5-6 lub 39-41-43-46-47-49

Dla wyższych wygranych wybierz sumę powyżej 130 (wielu gra daty).

Rozkład sum poprzednich losowań znajdziesz na wykresie Suma  


Suma
Sumy od

do

dozwolone w zakładzie

minimalna ilość liczb pierwszych w każdym zakładzie


Wykres liczb pierwszych na zakład
minimalna ilość liczb parzystych w każdym zakładzie


Wykres liczb parzystych na zakład
minimalna ilość liczb nieparzystych w każdym zakładzie


Wykres liczb nieparzystych na zakład
Pary zwykle powstają same, ale tutaj możesz je też wymusić.


Tworzenie wykresu par liczb
wymuś jedną parę w każdym zakładzie

Trójki, 


Tworzenie wykresu trójek liczb
czwórki ... (3-4-5 lub 28-29-30-31) powstają dość rzadko, tutaj można je całkiem wykluczyć


Tworzenie wykresu czwórek liczb
bez trójek, czwórek... kolejnych liczb

Liczba dodatkowa

Opcje liczby dodatkowej

Nie używaj liczb dodatkowych z ostatnich losowań

Opcje Super6 i Spiel77

Ogólne

Ogólne opcje obliczania

używaj w zakładzie tylko preferowanych liczb!

Pokaż / edytuj listę do generowania zestawów liczb

Maks. liczba obliczeń

tysięcy

Jeśli przy Twoich ustawieniach nie obliczono wszystkich zakładów, zwiększ liczbę obliczeń. 

Zasady gry

jak grano (wg daty)

klasycznie 7 z 49, co tydzień

Wykres


Rozkład wylosowanych liczb
Suma

Pary

Trójki

Czwórki

Niewylosowane

Zapisz jako obraz…

Baza danych

Losowanie

Sprawdź
Sprawdzenie zakładu w losowaniu z wybranej daty
Baza danych

Aktualizuj bazę &danych

Stop
Zatrzymuje wczytywanie
Utwórz bazę od nowa
Przy ponownym tworzeniu bazy wczytywanie zaczyna się od ustawionej daty. Można cofnąć się aż do 1956 roku.
Wprowadź
ręczne wprowadzanie danych losowania.
Usuń
Usuń aktualnie wyświetlane losowanie
Dodaj losowania
Dopisuje losowania z pliku CSV nowsze od najnowszego zapisanego; zapisane losowania pozostają bez zmian.
Statystyka

Czy losowanie powtórzyło już kiedyś 5 lub 6 liczb?

Szukaj par
Tworzenie wykresu par liczb
Szukaj trójek
Tworzenie wykresu trójek liczb
Szukaj czwórek
Tworzenie wykresu czwórek liczb
Niewylosowane
Tworzy wykres najdłużej niewylosowanych liczb
Liczby pierwsze na zakład

Nieparzyste na zakład

Parzyste na zakład

Analiza historyczna

Analiza historyczna parametrów od wybranej powyżej daty
Obliczenia i wyniki od wybranej powyżej daty
Analiza historyczna od wybranej powyżej daty

Przeliczaj tylko po uzyskaniu 3 trafień

Main Draw only

Super6



<

>

ENCORE



<

>

Ustawienia internetu

Proxy

Serwer proxy

Port proxy

Adres serwera, z którego pobierane są wyniki losowań
Adres serwera, z którego pobierane są wyniki losowań
Serwer aktualizacji

Linki

https://www.numerant.example/

https://www.lottery-operator.example/winning-numbers

https://www.torvane.example/

https://www.torvane.example/lotto649.htm

https://www.torvane.example/keno.htm

https://www.lottery-info.example/

https://www.numerant.example/

Które liczby do obliczeń

Klient e-mail Torvanes Numerant

Porównanie z losowymi zakładami


Zapisz listę

Wczytaj listę
&Losowo

%1 z %2

OK

Anuluj

&Oblicz

Host (serwer SMTP)

Nazwa użytkownika

Hasło

E-mail nadawcy

Nazwa nadawcy

E-mail odbiorcy

Nazwa odbiorcy

CC  ...  kopia

BCC  ...  ukryta kopia

Temat

Potwierdzenie odbioru

Wyślij e-mail

...

Przenieś tekst do HTML

Tekst

HTML

Wybierz pliki, które mają zostać wysłane jako załącznik do e-maila

Tyle samo losowych zakładów na losowanie i liczby oczekiwane wg szans; różnica w granicach dwóch odchyleń standardowych to przypadek.

Wprowadź liczby losowania

Data:

Liczby:

Bonus:

MAXMILLIONS (bez bonusu)

Spiel 77:

Super 6:

&Anuluj

&OK

