cuántas veces
retraso
