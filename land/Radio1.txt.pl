po prostu wylosuj
użyj najrzadziej losowanej liczby dodatkowej
użyj najdłużej niewylosowanej liczby dodatkowej
