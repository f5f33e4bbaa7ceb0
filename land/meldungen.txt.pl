Rozkład liczb
Losowania
Suma
Ile razy wylosowano poszczególne liczby dodatkowe?
Przy ilu zgodnych liczbach zatrzymać?
Test zakładu
Znaleziono trafienie z dnia :
Kontynuować?
Znaleziono losowanie
Pary
znaleziono
Trójki
Kupon nr 
Rozkład sum
Suma
Czwórki
Zatrzymaj
Obliczanie 
par
trójek
czwórek
niewylosowanych liczb
liczb sąsiednich z ostatniego losowania
Rozpoczęcie obliczania zakładów
Zakład
Zmień parametry, aby obliczyć 12 zakładów
Zakłady zostały przeliczone

Która liczba długo nie padła, czyli od ilu losowań nie została wylosowana?
Rozkład liczb zakładu
Twoja szczęśliwa liczba
Podaj swoją szczęśliwą liczbę dla generatora losowego!
Twoja szczęśliwa liczba to teraz 
Bieżące ustawienia dały dla sob. lub śr.
Błąd przy wprowadzaniu liczby losowej

Wybierz liczby do obliczeń
Wysłanie kuponu online
Która liczba dodatkowa najdłużej nie była losowana?
Porównaj wynik losowania
Trafienia w losowaniach z bazy danych
Jak często w następnym losowaniu padały podobne liczby
Jak często w drugim z kolei losowaniu padały podobne liczby
Jak często w trzecim z kolei losowaniu padały podobne liczby
Ilość liczb pierwszych na zakład przy
było liczb pierwszych
Ilość liczb nieparzystych na zakład przy
było nieparzystych
Ilość liczb parzystych na zakład przy
było parzystych
Czy usunąć wszystkie zakłady??
Usunąć wszystkie zakłady?


Numer kuponu?
nie można utworzyć pliku do przekazania zakładów. Sprawdź uprawnienia programu lub uruchom go jako administrator
