simplemente al azar
Número de boleto nunca sorteado
últimas 6 cifras del número de boleto nunca sorteadas
últimas 5 cifras del número de boleto nunca sorteadas
últimas 4 cifras del número de boleto nunca sorteadas
