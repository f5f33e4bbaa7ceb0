simplemente al azar
usar el complementario que menos ha salido
usar el complementario con más retraso
