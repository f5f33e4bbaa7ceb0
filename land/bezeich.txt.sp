&Actualizar

Ca&lcular

&Enviar

E&xportar

Guardar apuestas como CSV…

Guardar gráfico como imagen…

Sprache/Language/Langue

Alemán

Inglés

Francés

Español

Turco

Ruso

Polaco

Checo

Neerlandés

Ayuda

Mostrar documentación

Abrir carpeta de datos

&Cerrar

Apuesta de lotería

N U M E R A N T

N U M E R A N T


vorhergehende Ziehung anzeigen

Mostrar sorteo siguiente
Suma: 

%1 de %2
Reglas del juego del sorteo mostrado
N.º boleto
Haga clic aquí para introducir el número de boleto 
Apuesta 1
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 1 con el formulario o generarla al azar
Apuesta 2
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 2 con el formulario o generarla al azar
Apuesta 3
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 3 con el formulario o generarla al azar
Apuesta 4
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 4 con el formulario o generarla al azar
Apuesta 5
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 5 con el formulario o generarla al azar
Apuesta 6
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 6 con el formulario o generarla al azar
Apuesta 7
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 7 con el formulario o generarla al azar
Apuesta 8
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 8 con el formulario o generarla al azar
Apuesta 9
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 9 con el formulario o generarla al azar
Apuesta 10
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 10 con el formulario o generarla al azar
Apuesta 11
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 11 con el formulario o generarla al azar
Apuesta 12
¡Si "Apuesta" está en rojo, esta fila no se recalcula!
...
Haga clic aquí para modificar la apuesta 12 con el formulario o generarla al azar

Guardar la apuesta

Cargar apuesta desde archivo
@
Envíe aquí su apuesta por correo electrónico. Incluye un enlace para comprobarla también en línea
Apuesta

Buscar apuestas en la BD
Aquí puede buscar si esta apuesta ya salió alguna vez
Distribución de la apuesta

&Enviar apuesta


Borrar todas las apuestas
&Calcular apuestas
Se calcula el número de apuestas indicado con los parámetros establecidos
Fijar número de la suerte
Aquí puede echarle una mano al azar y generar de verdad su propia apuesta
Cálculo

Estadística

Preferir números según la estadística

En «General» puede hacer que el cálculo use solo estos números

El cálculo usa el primer x% de cada lista (p. ej. hasta el 30% del máximo).

Preferir los números que más han salido
Preferir el primer X% de los números más sorteados
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%


Distribución de los números sorteados
Preferir los números que menos han salido
preferir el primer X% de los números menos sorteados
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%

Números con más retraso
preferir el primer X% de los números con más retraso
El primer X por ciento recibe una probabilidad mayor
El primer X por ciento recibe una probabilidad mayor
%


Genera el gráfico de los números atrasados
Preferir números que forman parejas a menudo

menos frecuentes


Generar el gráfico de formación de parejas
Preferir números que forman tríos a menudo

menos frecuentes


Generar el gráfico de formación de tríos
Preferir números que forman cuartetos a menudo

menos frecuentes


Generar el gráfico de formación de cuartetos
Para premios mayores, algunos números pueden «desfavorecerse»

preferir números vecinos del último sorteo

evitar los números 1-12 (el mes, muy jugado en apuestas con fechas) 

reducir el peso de los números 1-31 (fecha)  -  salen menos en la apuesta

Optimización del boleto

Optimizar las apuestas del boleto entre sí 

máximo de coincidencias con otras apuestas

mínimo de coincidencias con otras apuestas

Aplicar mín./máx. entre cada apuesta y todas las demás

Optimizar las apuestas según los sorteos pasados

La apuesta no coincide con ningún sorteo de la BD con 
La apuesta no debe coincidir con ningún sorteo de X aciertos de la BD, desde la fecha del resumen de gráficos
Ponga el valor en 5 o 6 si usa la base de datos completa
Ponga el valor en 5 o 6 si usa la base de datos completa
aciertos

La apuesta no acierta 
La apuesta no debe coincidir con ningún sorteo de X aciertos de la BD, desde la fecha del resumen de gráficos
Ponga el valor en 4 o 5 si elige un número de sorteos muy alto
Ponga el valor en 4 o 5 si elige un número de sorteos muy alto
aciertos en los últimos

Aquí puede excluir además p. ej. 3 o 4 aciertos en los últimos sorteos
Aquí puede excluir además p. ej. 3 o 4 aciertos en los últimos sorteos
Sorteos

La apuesta no acierta
La apuesta no debe coincidir con ningún sorteo de X aciertos de la BD, desde la fecha del resumen de gráficos
Ponga el valor en 4 o 5 si elige un número de sorteos muy alto
Ponga el valor en 4 o 5 si elige un número de sorteos muy alto
aciertos en los últimos

Aquí puede excluir además p. ej. 3 o 4 aciertos en los últimos sorteos
Aquí puede excluir además p. ej. 3 o 4 aciertos en los últimos sorteos
Sorteos

máximo permitido de números del último sorteo 
Coincidencia con números del sorteo anterior
máximo permitido de números del penúltimo sorteo 
Coincidencia con números del sorteo anterior
máximo permitido de números del antepenúltimo sorteo 
Coincidencia con números del sorteo anterior
Contar el complementario en los aciertos 

Matemática

Estas condiciones se aplican a cada apuesta

Limitando la suma evita apuestas como 1-2-3-4-5-6 o 39-41-43-46-47-49

Para premios mayores elija sumas superiores a 130 (muchos juegan fechas).

La distribución de sumas de sorteos anteriores está en el gráfico, en Suma  


Suma
Sumas de

a

permitidas en la apuesta

mínimo de números primos en cada apuesta


Gráfico de números primos por apuesta
mínimo de números pares en cada apuesta


Gráfico de números pares por apuesta
mínimo de números impares en cada apuesta


Gráfico de números impares por apuesta
Las parejas suelen salir solas, pero aquí también puede forzarlas.


Generar el gráfico de formación de parejas
forzar una pareja por apuesta

Tríos, 


Generar el gráfico de formación de tríos
Cuartetos... (3-4-5  o 28-29-30-31) son poco frecuentes; aquí puede impedirlos del todo


Generar el gráfico de formación de cuartetos
sin tríos, cuartetos... parejas

Complementario

Opción complementario

No usar los complementarios de los últimos sorteos

Opción Super6 y Spiel77

General

Opciones generales de cálculo

¡Usar solo números preferidos en la apuesta!

Mostrar / editar lista para generar series de números

Máx. de cálculos

mil

Si sus ajustes no dieron todas las apuestas, aumente el número de cálculos. 

Reglas del juego

como se jugó (según la fecha)

clásico 7 de 49, semanal

Gráfico


Distribución de los números sorteados
Suma

Parejas

Tríos

Cuartetos

Atrasados

Guardar como imagen…

Base de datos

Sorteo

Evaluar
Evaluación de la apuesta para el sorteo de la fecha elegida
Base de datos

Actualizar base de &datos

Detener
Detiene la lectura
Recrear base de datos
Al recrear la base de datos, la lectura empieza en la fecha ajustada. Se puede retroceder hasta 1956.
Introducir
Introducción manual de los datos del sorteo.
Borrar
Borrar el sorteo mostrado
Añadir sorteos
Añade los sorteos de un archivo CSV más recientes que el último guardado; los sorteos guardados no cambian.
Estadísticas

¿Ha coincidido algún sorteo en 5 o 6 números con otro?

Buscar parejas
Generar el gráfico de formación de parejas
Buscar tríos
Generar el gráfico de formación de tríos
Buscar cuartetos
Generar el gráfico de formación de cuartetos
Atrasados
Genera el gráfico de los números atrasados
Primos por apuesta

Impares por apuesta

Pares por apuesta

Análisis histórico

Análisis histórico de los parámetros desde la fecha elegida arriba
Cálculo y aciertos desde la fecha elegida arriba
Análisis histórico desde la fecha elegida arriba

Recalcular solo si hubo 3 aciertos

Main Draw only

Super6



<

>

ENCORE



<

>

Opciones de Internet

Proxy

Servidor proxy

Puerto proxy

Dirección del servidor del que se descargan los sorteos
Dirección del servidor del que se descargan los sorteos
Servidor de actualización

Enlaces

https://www.numerant.example/

https://www.lottery-operator.example/winning-numbers

https://www.torvane.example/

https://www.torvane.example/lotto649.htm

https://www.torvane.example/keno.htm

https://www.lottery-info.example/

https://www.numerant.example/

Números para el cálculo

Cliente de correo de Torvanes Numerant

Comparación con apuestas aleatorias


Guardar la lista

Cargar la lista
&Azar

%1 de %2

Aceptar

Cancelar

&Calcular

Host (servidor SMTP)

Usuario

Contraseña

De (correo)

De (nombre)

Para (correo)

Para (nombre)

CC  ...  Copia a

CCO  ...  Copia oculta

Asunto

Acuse de recibo

Enviar correo

...

Pasar el texto a HTML

Texto

HTML

Elija los archivos que se enviarán como adjuntos del correo

El mismo número de apuestas aleatorias por sorteo y las cantidades esperadas según las probabilidades; dentro de dos desviaciones típicas, una diferencia es azar.

Introducir los números del sorteo

Fecha:

Números:

Complementario:

MAXMILLIONS (sin complementario)

Spiel 77:

Super 6:

&Cancelar

&Aceptar

