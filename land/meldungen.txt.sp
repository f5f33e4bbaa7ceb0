Distribución de números
Sorteos
Suma
¿Cuántas veces ha salido cada complementario?
¿Parar con cuántos números coincidentes?
Prueba de apuesta
Acierto encontrado el :
¿Continuar?
Sorteo encontrado
Parejas
encontrados
Tríos
Boleto n.º 
Distribución de sumas
Suma
Cuartetos
Detener
Calculando 
formación de parejas
formación de tríos
formación de cuartetos
números atrasados
números vecinos del último sorteo
Inicio del cálculo de apuestas
Apuesta
Cambie los parámetros para calcular 12 apuestas
Apuestas recalculadas

¿Qué número está atrasado, es decir, desde hace cuántos sorteos no sale?
Distribución de números de la apuesta
Su número de la suerte
¡Introduzca su número de la suerte para el generador aleatorio!
Su número de la suerte ahora es el 
Los ajustes actuales dieron para sáb. o mié.
Error al introducir el número aleatorio

Elegir números para el cálculo
Envío del boleto en línea
¿Qué complementario lleva más tiempo sin salir?
Comparar resultado del sorteo
Aciertos de sorteos en la base de datos
Frecuencia de números similares en el sorteo siguiente
Frecuencia de números similares dos sorteos después
Frecuencia de números similares tres sorteos después
Número de primos por apuesta en
eran primos
Número de impares por apuesta en
eran impares
Número de pares por apuesta en
eran pares
¿Seguro que desea borrar todas las apuestas?
¿Borrar todas las apuestas?


¿Número de boleto?
no se pudo crear el archivo para entregar las apuestas. Compruebe los permisos del programa o inícielo como administrador
