jak często
niewylosowana
