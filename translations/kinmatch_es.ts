<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CheckedFileDialog</name>
    <message>
        <source>%1
File not found.
Check the file name and try again.</source>
        <translation>%1
No se encontró el archivo.
Compruebe el nombre del archivo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
La carpeta no existe.
Compruebe la ruta e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1
This file is read-only.
Choose another file.</source>
        <translation>%1
Este archivo es de solo lectura.
Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>Composite</name>
    <message>
        <source>White Lunar Wind</source>
        <translation>Viento Blanco Lunar</translation>
    </message>
    <message>
        <source>White Electric Wind</source>
        <translation>Viento Blanco Eléctrico</translation>
    </message>
    <message>
        <source>White Self-Existing Wind</source>
        <translation>Viento Blanco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone Wind</source>
        <translation>Viento Blanco Entonado</translation>
    </message>
    <message>
        <source>White Rythmic Wind</source>
        <translation>Viento Blanco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant Wind</source>
        <translation>Viento Blanco Resonante</translation>
    </message>
    <message>
        <source>White Galactic Wind</source>
        <translation>Viento Blanco Galáctico</translation>
    </message>
    <message>
        <source>White Solar Wind</source>
        <translation>Viento Blanco Solar</translation>
    </message>
    <message>
        <source>White Planetary Wind</source>
        <translation>Viento Blanco Planetario</translation>
    </message>
    <message>
        <source>White Spectral Wind</source>
        <translation>Viento Blanco Espectral</translation>
    </message>
    <message>
        <source>White Crystal Wind</source>
        <translation>Viento Blanco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic Wind</source>
        <translation>Viento Blanco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Night</source>
        <translation>Noche Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Night</source>
        <translation>Noche Azul Eléctrica</translation>
    </message>
    <message>
        <source>Blue Self-Existing Night</source>
        <translation>Noche Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Night</source>
        <translation>Noche Azul Entonada</translation>
    </message>
    <message>
        <source>Blue Rythmic Night</source>
        <translation>Noche Azul Rítmica</translation>
    </message>
    <message>
        <source>Blue Resonant Night</source>
        <translation>Noche Azul Resonante</translation>
    </message>
    <message>
        <source>Blue Galactic Night</source>
        <translation>Noche Azul Galáctica</translation>
    </message>
    <message>
        <source>Blue Solar Night</source>
        <translation>Noche Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Night</source>
        <translation>Noche Azul Planetaria</translation>
    </message>
    <message>
        <source>Blue Spectral Night</source>
        <translation>Noche Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Night</source>
        <translation>Noche Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Night</source>
        <translation>Noche Azul Cósmica</translation>
    </message>
    <message>
        <source>Yellow Lunar Seed</source>
        <translation>Semilla Amarilla Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Seed</source>
        <translation>Semilla Amarilla Eléctrica</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Seed</source>
        <translation>Semilla Amarilla Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Seed</source>
        <translation>Semilla Amarilla Entonada</translation>
    </message>
    <message>
        <source>Yellow Rythmic Seed</source>
        <translation>Semilla Amarilla Rítmica</translation>
    </message>
    <message>
        <source>Yellow Resonant Seed</source>
        <translation>Semilla Amarilla Resonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Seed</source>
        <translation>Semilla Amarilla Galáctica</translation>
    </message>
    <message>
        <source>Yellow Solar Seed</source>
        <translation>Semilla Amarilla Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Seed</source>
        <translation>Semilla Amarilla Planetaria</translation>
    </message>
    <message>
        <source>Yellow Spectral Seed</source>
        <translation>Semilla Amarilla Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Seed</source>
        <translation>Semilla Amarilla Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Seed</source>
        <translation>Semilla Amarilla Cósmica</translation>
    </message>
    <message>
        <source>Red Lunar Serpent</source>
        <translation>Serpiente Roja Lunar</translation>
    </message>
    <message>
        <source>Red Electric Serpent</source>
        <translation>Serpiente Roja Eléctrica</translation>
    </message>
    <message>
        <source>Red Self-Existing Serpent</source>
        <translation>Serpiente Roja Autoexistente</translation>
    </message>
    <message>
        <source>Red Overtone Serpent</source>
        <translation>Serpiente Roja Entonada</translation>
    </message>
    <message>
        <source>Red Rythmic Serpent</source>
        <translation>Serpiente Roja Rítmica</translation>
    </message>
    <message>
        <source>Red Resonant Serpent</source>
        <translation>Serpiente Roja Resonante</translation>
    </message>
    <message>
        <source>Red Galactic Serpent</source>
        <translation>Serpiente Roja Galáctica</translation>
    </message>
    <message>
        <source>Red Solar Serpent</source>
        <translation>Serpiente Roja Solar</translation>
    </message>
    <message>
        <source>Red Planetary Serpent</source>
        <translation>Serpiente Roja Planetaria</translation>
    </message>
    <message>
        <source>Red Spectral Serpent</source>
        <translation>Serpiente Roja Espectral</translation>
    </message>
    <message>
        <source>Red Crystal Serpent</source>
        <translation>Serpiente Roja Cristal</translation>
    </message>
    <message>
        <source>Red Cosmic Serpent</source>
        <translation>Serpiente Roja Cósmica</translation>
    </message>
    <message>
        <source>White Lunar WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Lunar</translation>
    </message>
    <message>
        <source>White Electric WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Eléctrico</translation>
    </message>
    <message>
        <source>White Self-Existing WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Entonado</translation>
    </message>
    <message>
        <source>White Rythmic WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Resonante</translation>
    </message>
    <message>
        <source>White Galactic WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Galáctico</translation>
    </message>
    <message>
        <source>White Solar WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Solar</translation>
    </message>
    <message>
        <source>White Planetary WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Planetario</translation>
    </message>
    <message>
        <source>White Spectral WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Espectral</translation>
    </message>
    <message>
        <source>White Crystal WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic WorldBridger</source>
        <translation>Enlazador de Mundos Blanco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Hand</source>
        <translation>Mano Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Hand</source>
        <translation>Mano Azul Eléctrica</translation>
    </message>
    <message>
        <source>Blue Self-Existing Hand</source>
        <translation>Mano Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Hand</source>
        <translation>Mano Azul Entonada</translation>
    </message>
    <message>
        <source>Blue Rythmic Hand</source>
        <translation>Mano Azul Rítmica</translation>
    </message>
    <message>
        <source>Blue Resonant Hand</source>
        <translation>Mano Azul Resonante</translation>
    </message>
    <message>
        <source>Blue Galactic Hand</source>
        <translation>Mano Azul Galáctica</translation>
    </message>
    <message>
        <source>Blue Solar Hand</source>
        <translation>Mano Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Hand</source>
        <translation>Mano Azul Planetaria</translation>
    </message>
    <message>
        <source>Blue Spectral Hand</source>
        <translation>Mano Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Hand</source>
        <translation>Mano Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Hand</source>
        <translation>Mano Azul Cósmica</translation>
    </message>
    <message>
        <source>Yellow Lunar Star</source>
        <translation>Estrella Amarilla Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Star</source>
        <translation>Estrella Amarilla Eléctrica</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Star</source>
        <translation>Estrella Amarilla Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Star</source>
        <translation>Estrella Amarilla Entonada</translation>
    </message>
    <message>
        <source>Yellow Rythmic Star</source>
        <translation>Estrella Amarilla Rítmica</translation>
    </message>
    <message>
        <source>Yellow Resonant Star</source>
        <translation>Estrella Amarilla Resonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Star</source>
        <translation>Estrella Amarilla Galáctica</translation>
    </message>
    <message>
        <source>Yellow Solar Star</source>
        <translation>Estrella Amarilla Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Star</source>
        <translation>Estrella Amarilla Planetaria</translation>
    </message>
    <message>
        <source>Yellow Spectral Star</source>
        <translation>Estrella Amarilla Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Star</source>
        <translation>Estrella Amarilla Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Star</source>
        <translation>Estrella Amarilla Cósmica</translation>
    </message>
    <message>
        <source>Red Lunar Moon</source>
        <translation>Luna Roja Lunar</translation>
    </message>
    <message>
        <source>Red Electric Moon</source>
        <translation>Luna Roja Eléctrica</translation>
    </message>
    <message>
        <source>Red Self-Existing Moon</source>
        <translation>Luna Roja Autoexistente</translation>
    </message>
    <message>
        <source>Red Overtone Moon</source>
        <translation>Luna Roja Entonada</translation>
    </message>
    <message>
        <source>Red Rythmic Moon</source>
        <translation>Luna Roja Rítmica</translation>
    </message>
    <message>
        <source>Red Resonant Moon</source>
        <translation>Luna Roja Resonante</translation>
    </message>
    <message>
        <source>Red Galactic Moon</source>
        <translation>Luna Roja Galáctica</translation>
    </message>
    <message>
        <source>Red Solar Moon</source>
        <translation>Luna Roja Solar</translation>
    </message>
    <message>
        <source>Red Planetary Moon</source>
        <translation>Luna Roja Planetaria</translation>
    </message>
    <message>
        <source>Red Spectral Moon</source>
        <translation>Luna Roja Espectral</translation>
    </message>
    <message>
        <source>Red Crystal Moon</source>
        <translation>Luna Roja Cristal</translation>
    </message>
    <message>
        <source>Red Cosmic Moon</source>
        <translation>Luna Roja Cósmica</translation>
    </message>
    <message>
        <source>White Lunar Dog</source>
        <translation>Perro Blanco Lunar</translation>
    </message>
    <message>
        <source>White Electric Dog</source>
        <translation>Perro Blanco Eléctrico</translation>
    </message>
    <message>
        <source>White Self-Existing Dog</source>
        <translation>Perro Blanco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone Dog</source>
        <translation>Perro Blanco Entonado</translation>
    </message>
    <message>
        <source>White Rythmic Dog</source>
        <translation>Perro Blanco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant Dog</source>
        <translation>Perro Blanco Resonante</translation>
    </message>
    <message>
        <source>White Galactic Dog</source>
        <translation>Perro Blanco Galáctico</translation>
    </message>
    <message>
        <source>White Solar Dog</source>
        <translation>Perro Blanco Solar</translation>
    </message>
    <message>
        <source>White Planetary Dog</source>
        <translation>Perro Blanco Planetario</translation>
    </message>
    <message>
        <source>White Spectral Dog</source>
        <translation>Perro Blanco Espectral</translation>
    </message>
    <message>
        <source>White Crystal Dog</source>
        <translation>Perro Blanco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic Dog</source>
        <translation>Perro Blanco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Monkey</source>
        <translation>Mono Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Monkey</source>
        <translation>Mono Azul Eléctrico</translation>
    </message>
    <message>
        <source>Blue Self-Existing Monkey</source>
        <translation>Mono Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Monkey</source>
        <translation>Mono Azul Entonado</translation>
    </message>
    <message>
        <source>Blue Rythmic Monkey</source>
        <translation>Mono Azul Rítmico</translation>
    </message>
    <message>
        <source>Blue Resonant Monkey</source>
        <translation>Mono Azul Resonante</translation>
    </message>
    <message>
        <source>Blue Galactic Monkey</source>
        <translation>Mono Azul Galáctico</translation>
    </message>
    <message>
        <source>Blue Solar Monkey</source>
        <translation>Mono Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Monkey</source>
        <translation>Mono Azul Planetario</translation>
    </message>
    <message>
        <source>Blue Spectral Monkey</source>
        <translation>Mono Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Monkey</source>
        <translation>Mono Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Monkey</source>
        <translation>Mono Azul Cósmico</translation>
    </message>
    <message>
        <source>Yellow Lunar Human</source>
        <translation>Humano Amarillo Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Human</source>
        <translation>Humano Amarillo Eléctrico</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Human</source>
        <translation>Humano Amarillo Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Human</source>
        <translation>Humano Amarillo Entonado</translation>
    </message>
    <message>
        <source>Yellow Rythmic Human</source>
        <translation>Humano Amarillo Rítmico</translation>
    </message>
    <message>
        <source>Yellow Resonant Human</source>
        <translation>Humano Amarillo Resonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Human</source>
        <translation>Humano Amarillo Galáctico</translation>
    </message>
    <message>
        <source>Yellow Solar Human</source>
        <translation>Humano Amarillo Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Human</source>
        <translation>Humano Amarillo Planetario</translation>
    </message>
    <message>
        <source>Yellow Spectral Human</source>
        <translation>Humano Amarillo Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Human</source>
        <translation>Humano Amarillo Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Human</source>
        <translation>Humano Amarillo Cósmico</translation>
    </message>
    <message>
        <source>Red Lunar Skywalker</source>
        <translation>Caminante del Cielo Rojo Lunar</translation>
    </message>
    <message>
        <source>Red Electric Skywalker</source>
        <translation>Caminante del Cielo Rojo Eléctrico</translation>
    </message>
    <message>
        <source>Red Self-Existing Skywalker</source>
        <translation>Caminante del Cielo Rojo Autoexistente</translation>
    </message>
    <message>
        <source>Red Overtone Skywalker</source>
        <translation>Caminante del Cielo Rojo Entonado</translation>
    </message>
    <message>
        <source>Red Rythmic Skywalker</source>
        <translation>Caminante del Cielo Rojo Rítmico</translation>
    </message>
    <message>
        <source>Red Resonant Skywalker</source>
        <translation>Caminante del Cielo Rojo Resonante</translation>
    </message>
    <message>
        <source>Red Galactic Skywalker</source>
        <translation>Caminante del Cielo Rojo Galáctico</translation>
    </message>
    <message>
        <source>Red Solar Skywalker</source>
        <translation>Caminante del Cielo Rojo Solar</translation>
    </message>
    <message>
        <source>Red Planetary Skywalker</source>
        <translation>Caminante del Cielo Rojo Planetario</translation>
    </message>
    <message>
        <source>Red Spectral Skywalker</source>
        <translation>Caminante del Cielo Rojo Espectral</translation>
    </message>
    <message>
        <source>Red Crystal Skywalker</source>
        <translation>Caminante del Cielo Rojo Cristal</translation>
    </message>
    <message>
        <source>Red Cosmic Skywalker</source>
        <translation>Caminante del Cielo Rojo Cósmico</translation>
    </message>
    <message>
        <source>White Lunar Wizard</source>
        <translation>Mago Blanco Lunar</translation>
    </message>
    <message>
        <source>White Electric Wizard</source>
        <translation>Mago Blanco Eléctrico</translation>
    </message>
    <message>
        <source>White Self-Existing Wizard</source>
        <translation>Mago Blanco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone Wizard</source>
        <translation>Mago Blanco Entonado</translation>
    </message>
    <message>
        <source>White Rythmic Wizard</source>
        <translation>Mago Blanco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant Wizard</source>
        <translation>Mago Blanco Resonante</translation>
    </message>
    <message>
        <source>White Galactic Wizard</source>
        <translation>Mago Blanco Galáctico</translation>
    </message>
    <message>
        <source>White Solar Wizard</source>
        <translation>Mago Blanco Solar</translation>
    </message>
    <message>
        <source>White Planetary Wizard</source>
        <translation>Mago Blanco Planetario</translation>
    </message>
    <message>
        <source>White Spectral Wizard</source>
        <translation>Mago Blanco Espectral</translation>
    </message>
    <message>
        <source>White Crystal Wizard</source>
        <translation>Mago Blanco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic Wizard</source>
        <translation>Mago Blanco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Eagle</source>
        <translation>Águila Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Eagle</source>
        <translation>Águila Azul Eléctrica</translation>
    </message>
    <message>
        <source>Blue Self-Existing Eagle</source>
        <translation>Águila Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Eagle</source>
        <translation>Águila Azul Entonada</translation>
    </message>
    <message>
        <source>Blue Rythmic Eagle</source>
        <translation>Águila Azul Rítmica</translation>
    </message>
    <message>
        <source>Blue Resonant Eagle</source>
        <translation>Águila Azul Resonante</translation>
    </message>
    <message>
        <source>Blue Galactic Eagle</source>
        <translation>Águila Azul Galáctica</translation>
    </message>
    <message>
        <source>Blue Solar Eagle</source>
        <translation>Águila Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Eagle</source>
        <translation>Águila Azul Planetaria</translation>
    </message>
    <message>
        <source>Blue Spectral Eagle</source>
        <translation>Águila Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Eagle</source>
        <translation>Águila Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Eagle</source>
        <translation>Águila Azul Cósmica</translation>
    </message>
    <message>
        <source>Yellow Lunar Warrior</source>
        <translation>Guerrero Amarillo Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Warrior</source>
        <translation>Guerrero Amarillo Eléctrico</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Warrior</source>
        <translation>Guerrero Amarillo Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Warrior</source>
        <translation>Guerrero Amarillo Entonado</translation>
    </message>
    <message>
        <source>Yellow Rythmic Warrior</source>
        <translation>Guerrero Amarillo Rítmico</translation>
    </message>
    <message>
        <source>Yellow Resonant Warrior</source>
        <translation>Guerrero Amarillo Resonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Warrior</source>
        <translation>Guerrero Amarillo Galáctico</translation>
    </message>
    <message>
        <source>Yellow Solar Warrior</source>
        <translation>Guerrero Amarillo Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Warrior</source>
        <translation>Guerrero Amarillo Planetario</translation>
    </message>
    <message>
        <source>Yellow Spectral Warrior</source>
        <translation>Guerrero Amarillo Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Warrior</source>
        <translation>Guerrero Amarillo Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Warrior</source>
        <translation>Guerrero Amarillo Cósmico</translation>
    </message>
    <message>
        <source>Red Lunar Earth</source>
        <translation>Tierra Roja Lunar</translation>
    </message>
    <message>
        <source>Red Electric Earth</source>
        <translation>Tierra Roja Eléctrica</translation>
    </message>
    <message>
        <source>Red Self-Existing Earth</source>
        <translation>Tierra Roja Autoexistente</translation>
    </message>
    <message>
        <source>Red Overtone Earth</source>
        <translation>Tierra Roja Entonada</translation>
    </message>
    <message>
        <source>Red Rythmic Earth</source>
        <translation>Tierra Roja Rítmica</translation>
    </message>
    <message>
        <source>Red Resonant Earth</source>
        <translation>Tierra Roja Resonante</translation>
    </message>
    <message>
        <source>Red Galactic Earth</source>
        <translation>Tierra Roja Galáctica</translation>
    </message>
    <message>
        <source>Red Solar Earth</source>
        <translation>Tierra Roja Solar</translation>
    </message>
    <message>
        <source>Red Planetary Earth</source>
        <translation>Tierra Roja Planetaria</translation>
    </message>
    <message>
        <source>Red Spectral Earth</source>
        <translation>Tierra Roja Espectral</translation>
    </message>
    <message>
        <source>Red Crystal Earth</source>
        <translation>Tierra Roja Cristal</translation>
    </message>
    <message>
        <source>Red Cosmic Earth</source>
        <translation>Tierra Roja Cósmica</translation>
    </message>
    <message>
        <source>White Lunar Mirror</source>
        <translation>Espejo Blanco Lunar</translation>
    </message>
    <message>
        <source>White Electric Mirror</source>
        <translation>Espejo Blanco Eléctrico</translation>
    </message>
    <message>
        <source>White Self-Existing Mirror</source>
        <translation>Espejo Blanco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone Mirror</source>
        <translation>Espejo Blanco Entonado</translation>
    </message>
    <message>
        <source>White Rythmic Mirror</source>
        <translation>Espejo Blanco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant Mirror</source>
        <translation>Espejo Blanco Resonante</translation>
    </message>
    <message>
        <source>White Galactic Mirror</source>
        <translation>Espejo Blanco Galáctico</translation>
    </message>
    <message>
        <source>White Solar Mirror</source>
        <translation>Espejo Blanco Solar</translation>
    </message>
    <message>
        <source>White Planetary Mirror</source>
        <translation>Espejo Blanco Planetario</translation>
    </message>
    <message>
        <source>White Spectral Mirror</source>
        <translation>Espejo Blanco Espectral</translation>
    </message>
    <message>
        <source>White Crystal Mirror</source>
        <translation>Espejo Blanco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic Mirror</source>
        <translation>Espejo Blanco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Storm</source>
        <translation>Tormenta Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Storm</source>
        <translation>Tormenta Azul Eléctrica</translation>
    </message>
    <message>
        <source>Blue Self-Existing Storm</source>
        <translation>Tormenta Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Storm</source>
        <translation>Tormenta Azul Entonada</translation>
    </message>
    <message>
        <source>Blue Rythmic Storm</source>
        <translation>Tormenta Azul Rítmica</translation>
    </message>
    <message>
        <source>Blue Resonant Storm</source>
        <translation>Tormenta Azul Resonante</translation>
    </message>
    <message>
        <source>Blue Galactic Storm</source>
        <translation>Tormenta Azul Galáctica</translation>
    </message>
    <message>
        <source>Blue Solar Storm</source>
        <translation>Tormenta Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Storm</source>
        <translation>Tormenta Azul Planetaria</translation>
    </message>
    <message>
        <source>Blue Spectral Storm</source>
        <translation>Tormenta Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Storm</source>
        <translation>Tormenta Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Storm</source>
        <translation>Tormenta Azul Cósmica</translation>
    </message>
    <message>
        <source>Yellow Lunar Sun</source>
        <translation>Sol Amarillo Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Sun</source>
        <translation>Sol Amarillo Eléctrico</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Sun</source>
        <translation>Sol Amarillo Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Sun</source>
        <translation>Sol Amarillo Entonado</translation>
    </message>
    <message>
        <source>Yellow Rythmic Sun</source>
        <translation>Sol Amarillo Rítmico</translation>
    </message>
    <message>
        <source>Yellow Resonant Sun</source>
        <translation>Sol Amarillo Resonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Sun</source>
        <translation>Sol Amarillo Galáctico</translation>
    </message>
    <message>
        <source>Yellow Solar Sun</source>
        <translation>Sol Amarillo Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Sun</source>
        <translation>Sol Amarillo Planetario</translation>
    </message>
    <message>
        <source>Yellow Spectral Sun</source>
        <translation>Sol Amarillo Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Sun</source>
        <translation>Sol Amarillo Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Sun</source>
        <translation>Sol Amarillo Cósmico</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quote that is never closed</source>
        <translation>unas comillas sin cerrar</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date of birth: %1 is the month&apos;s name, %2 the day, %3 the year (&quot;July 4, 1955&quot;).</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3</source>
        <extracomment>%1 is a month&apos;s name, %2 a year, %3 a day that the month does not have.</extracomment>
        <translation>%1 de %2 no tiene día %3</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Together</source>
        <translation>Juntos</translation>
    </message>
    <message>
        <source>Seal %1, %2; tone %3, %4</source>
        <translation>Sello %1, %2; tono %3, %4</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>The pairs: persons %1 to %2 across</source>
        <translation>Las parejas: personas %1 a %2 en las columnas</translation>
    </message>
    <message>
        <source>%1 (%2): 1 pair</source>
        <translation>%1 (%2): 1 pareja</translation>
    </message>
    <message>
        <source>%1 (%2): %3 pairs</source>
        <translation>%1 (%2): %3 parejas</translation>
    </message>
    <message>
        <source>A group of %1</source>
        <translation>Un grupo de %1 personas</translation>
    </message>
    <message>
        <source>Each cell of the matrix is the composite of the persons of its row and its column: the seal&apos;s number and colour, then the tone, so that %1 is seal %2, %3, with tone %4, %5: %6. The persons are numbered as listed below.</source>
        <translation>Cada celda de la matriz es el signo compuesto de las personas de su fila y de su columna: el número y el color del sello y, después, el tono; así, %1 es el sello %2, %3, con el tono %4, %5: %6. Las personas están numeradas como se indica a continuación.</translation>
    </message>
    <message>
        <source>Kinmatch: %1 and %2</source>
        <translation>Kinmatch: %1 y %2</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>A Mayan astrology compatibility reading</source>
        <translation>Una lectura de compatibilidad astrológica maya</translation>
    </message>
    <message>
        <source>Kinmatch: a group of %1</source>
        <translation>Kinmatch: un grupo de %1 personas</translation>
    </message>
    <message>
        <source>Mayan astrology compatibility of every pair</source>
        <translation>Compatibilidad astrológica maya de cada pareja</translation>
    </message>
    <message>
        <source>The persons</source>
        <translation>Las personas</translation>
    </message>
    <message>
        <source>The pairs</source>
        <translation>Las parejas</translation>
    </message>
    <message>
        <source>The pairs by composite</source>
        <translation>Las parejas por signo compuesto</translation>
    </message>
    <message>
        <source>A group of more than %1 is too large for a matrix on a screen: its pairs are listed here by their composite, by the persons&apos; numbers (&quot;1: 5, 17&quot; is person 1 with 5 and with 17). Every pair&apos;s composite, one a row, is in the CSV form (kinmatch-cli group FILE.csv --csv), and the whole matrix on paper in the PDF form (--pdf).</source>
        <translation>Un grupo de más de %1 personas es demasiado grande para mostrarlo en pantalla como matriz: aquí sus parejas se enumeran por signo compuesto, con los números de las personas («1: 5, 17» es la persona 1 con la 5 y con la 17). El signo compuesto de cada pareja, una por fila, está en el formato CSV (kinmatch-cli group FILE.csv --csv), y la matriz completa, para imprimir, en el formato PDF (--pdf).</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Sello</translation>
    </message>
    <message>
        <source>Colour and sign</source>
        <translation>Color y signo</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Se ha excedido la cuota de disco</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>El archivo está siendo usado por otro programa</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo regular</translation>
    </message>
    <message>
        <source>not a regular file, a pipe or a terminal</source>
        <translation>no es un archivo regular, una tubería ni un terminal</translation>
    </message>
</context>
<context>
    <name>Group</name>
    <message>
        <source>%1 and %2: %3</source>
        <translation>%1 y %2: %3</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of your language in itself, as the Language menu offers it: &quot;Español&quot;.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidad</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <source>Your partner</source>
        <translation>Su pareja</translation>
    </message>
    <message>
        <source>%1 (seal %2, tone %3)</source>
        <translation>%1 (sello %2, tono %3)</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>NumberTable</name>
    <message>
        <source>Power and great force; the beginning of all new things. One is the number of unity and purpose. People born under it are initiators who attract what they need and start what others only dream of. They are independent and determined, with the drive to lead. They must take care not to become self-centred or to start more than they can finish.</source>
        <translation>Poder y gran fuerza; el comienzo de todo lo nuevo. El uno es el número de la unidad y del propósito. Quienes nacen bajo él son iniciadores que atraen lo que necesitan y emprenden lo que otros solo sueñan. Son independientes y decididos, con vocación de liderazgo. Deben cuidarse de no volverse egocéntricos ni empezar más de lo que pueden terminar.</translation>
    </message>
    <message>
        <source>Balance. Two is the number of polarity, of day and night and of the partnership that joins opposites. People born under it are diplomatic, sensitive and cooperative; they understand both sides of a question and help others meet in the middle. They can be torn by doubt and must learn to choose.</source>
        <translation>Equilibrio. El dos es el número de la polaridad, del día y la noche y de la unión que junta a los opuestos. Quienes nacen bajo él son diplomáticos, sensibles y cooperativos; entienden ambas caras de una cuestión y ayudan a los demás a encontrarse a mitad de camino. La duda puede desgarrarlos, y deben aprender a elegir.</translation>
    </message>
    <message>
        <source>Versatile and communicative. Three is the number of rhythm and of movement. People born under it express themselves easily, in words, in art or in service, and they bring energy to every group they join. They are quick and adaptable, but they can scatter their efforts and must learn to see one thing through.</source>
        <translation>Versátil y comunicativo. El tres es el número del ritmo y del movimiento. Quienes nacen bajo él se expresan con facilidad, con la palabra, el arte o el servicio, y aportan energía a cada grupo al que se suman. Son ágiles y adaptables, pero pueden dispersar sus esfuerzos y deben aprender a llevar algo hasta el final.</translation>
    </message>
    <message>
        <source>Balance again, now in the four elements and the four directions. Four is the number of stability and form. People born under it are steady, practical and reliable builders who give structure to ideas and keep their promises. They can be rigid and must remember that even the firmest house needs doors and windows.</source>
        <translation>De nuevo el equilibrio, ahora en los cuatro elementos y las cuatro direcciones. El cuatro es el número de la estabilidad y de la forma. Quienes nacen bajo él son constructores firmes, prácticos y confiables, que dan estructura a las ideas y cumplen sus promesas. Pueden ser rígidos y deben recordar que hasta la casa más sólida necesita puertas y ventanas.</translation>
    </message>
    <message>
        <source>The elevation of all creation. Five is the number of the centre and of radiance. People born under it are confident, energetic and able to command; they empower those around them and raise the spirit of any enterprise. They must guard against pride and the wish to control.</source>
        <translation>La elevación de toda la creación. El cinco es el número del centro y del resplandor. Quienes nacen bajo él son seguros, enérgicos y capaces de mandar; potencian a quienes los rodean y elevan el ánimo de cualquier empresa. Deben cuidarse del orgullo y del afán de control.</translation>
    </message>
    <message>
        <source>Imbalance, the restless movement that drives growth. Six is the number of flow and of organic balance sought again and again. People born under it are dynamic and adaptable; they move easily through change and keep life in motion. They can be unsettled or indecisive and need a rhythm of their own.</source>
        <translation>Desequilibrio, el movimiento inquieto que impulsa el crecimiento. El seis es el número del fluir y del equilibrio orgánico, buscado una y otra vez. Quienes nacen bajo él son dinámicos y adaptables; atraviesan los cambios con soltura y mantienen la vida en movimiento. Pueden ser inestables o indecisos y necesitan un ritmo propio.</translation>
    </message>
    <message>
        <source>Energy to catalyze. Seven is the number of the mystic, of attunement and of reflection. People born under it are spiritual and perceptive; they sense hidden connections and awaken others to new possibilities. They may withdraw into their inner world and must remember to share what they see.</source>
        <translation>Energía para catalizar. El siete es el número del místico, de la sintonía y de la reflexión. Quienes nacen bajo él son espirituales y perceptivos; intuyen conexiones ocultas y despiertan en otros nuevas posibilidades. Pueden encerrarse en su mundo interior y deben recordar compartir lo que ven.</translation>
    </message>
    <message>
        <source>Male authority: integrity, order and the power to manage. Eight is the number of harmony and justice. People born under it are strong, fair and capable of carrying great responsibility. They inspire trust. They can be domineering or stubborn, and they must learn that true authority listens as well as commands.</source>
        <translation>Autoridad masculina: integridad, orden y el poder de dirigir. El ocho es el número de la armonía y la justicia. Quienes nacen bajo él son fuertes, justos y capaces de asumir grandes responsabilidades. Inspiran confianza. Pueden ser dominantes o tercos, y deben aprender que la verdadera autoridad sabe escuchar además de mandar.</translation>
    </message>
    <message>
        <source>Female authority: intuition, patience and the power to nurture. Nine is the number of completion and of intention. People born under it are wise, compassionate and persistent; they see large patterns and bring long projects to fruition. They may carry too much for others and must learn to let go.</source>
        <translation>Autoridad femenina: intuición, paciencia y el poder de nutrir. El nueve es el número de la culminación y de la intención. Quienes nacen bajo él son sabios, compasivos y perseverantes; ven los grandes patrones y llevan a buen término los proyectos largos. Pueden cargar demasiado por los demás y deben aprender a soltar.</translation>
    </message>
    <message>
        <source>Creativity. Ten is the number of manifestation, where intention becomes form. People born under it are inventive, productive and able to turn ideas into things that last. They are often gifted in the arts and in business. They can be perfectionists and must accept that finished is better than perfect.</source>
        <translation>Creatividad. El diez es el número de la manifestación, donde la intención se hace forma. Quienes nacen bajo él son inventivos, productivos y capaces de convertir las ideas en obras duraderas. Suelen tener talento para las artes y los negocios. Pueden ser perfeccionistas y deben aceptar que lo terminado es mejor que lo perfecto.</translation>
    </message>
    <message>
        <source>Resolution: the power to dissolve what no longer serves. Eleven is the number of release and liberation. People born under it are independent thinkers who challenge old forms and solve problems others cannot. They can be rebellious or restless and must use their gift to build as well as to break.</source>
        <translation>Resolución: el poder de disolver lo que ya no sirve. El once es el número del desapego y de la liberación. Quienes nacen bajo él son pensadores independientes que desafían las viejas formas y resuelven problemas que otros no pueden. Pueden ser rebeldes o inquietos y deben usar su don tanto para construir como para romper.</translation>
    </message>
    <message>
        <source>Strong and abundant energy, shared with others. Twelve is the number of cooperation and universal understanding. People born under it are generous and wise and gather others around a common cause. They learn from experience and teach what they have learned. They must avoid spreading themselves too thin.</source>
        <translation>Energía fuerte y abundante, compartida con los demás. El doce es el número de la cooperación y la comprensión universal. Quienes nacen bajo él son generosos y sabios, y reúnen a otros en torno a una causa común. Aprenden de la experiencia y enseñan lo aprendido. Deben evitar dispersarse demasiado.</translation>
    </message>
    <message>
        <source>Realization: the completion of the cycle and the presence of the whole. Thirteen is the number of transcendence and endurance. People born under it are strong, visionary and able to bring great undertakings to their end. They may feel apart from others and must remember that every ending opens a new beginning.</source>
        <translation>Realización: la culminación del ciclo y la presencia del todo. El trece es el número de la trascendencia y la resistencia. Quienes nacen bajo él son fuertes, visionarios y capaces de llevar grandes empresas hasta el final. Pueden sentirse apartados de los demás y deben recordar que todo final abre un nuevo comienzo.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The page could not be opened in a web browser. Its address, to copy into one:

%1</source>
        <translation>No se pudo abrir la página en un navegador web. Esta es su dirección, para copiarla en uno:

%1</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <translation>No se imprimió nada: %1</translation>
    </message>
    <message>
        <source>Kinmatch report</source>
        <translation>Informe de Kinmatch</translation>
    </message>
    <message>
        <source>there is no default printer.</source>
        <translation>no hay ninguna impresora predeterminada.</translation>
    </message>
    <message>
        <source>the printer %1 refused the report.</source>
        <translation>la impresora %1 rechazó el informe.</translation>
    </message>
    <message>
        <source>the print system&apos;s client (lp, of CUPS) is not installed.</source>
        <translation>el cliente del sistema de impresión (lp, de CUPS) no está instalado.</translation>
    </message>
    <message>
        <source>the print system refused the report.</source>
        <translation>el sistema de impresión rechazó el informe.</translation>
    </message>
    <message>
        <source>the print system&apos;s client could not be started.</source>
        <translation>no se pudo iniciar el cliente del sistema de impresión.</translation>
    </message>
    <message>
        <source>the print system did not answer within %1 seconds.</source>
        <translation>el sistema de impresión no respondió en %1 segundos.</translation>
    </message>
</context>
<context>
    <name>ReadingFields</name>
    <message>
        <source>Date of birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Place in count</source>
        <translation>Lugar en la cuenta</translation>
    </message>
    <message>
        <source>%1 of 260</source>
        <translation>%1 de 260</translation>
    </message>
    <message>
        <source>Day sign</source>
        <translation>Signo del día</translation>
    </message>
    <message>
        <source>Galactic tone</source>
        <translation>Tono galáctico</translation>
    </message>
    <message>
        <source>Sign name</source>
        <translation>Nombre del signo</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Nombre en español</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Piedra preciosa</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>The galactic tone</source>
        <translation>El tono galáctico</translation>
    </message>
    <message>
        <source>The day sign</source>
        <translation>El signo del día</translation>
    </message>
    <message>
        <source>Famous people</source>
        <translation>Personajes famosos</translation>
    </message>
    <message>
        <source>%1, tone %2</source>
        <extracomment>A person&apos;s sign and tone in a few words: &quot;Dog, tone 9&quot;.</extracomment>
        <translation>%1, tono %2</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>not a reading file (it holds no name)</source>
        <translation>no es un archivo de lectura (no contiene ningún nombre)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>el nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>not a reading file (no year 1900..2016 in line 2)</source>
        <translation>no es un archivo de lectura (la línea 2 no tiene un año de 1900 a 2016)</translation>
    </message>
    <message>
        <source>not a reading file (no month name in line 3)</source>
        <translation>no es un archivo de lectura (la línea 3 no tiene un nombre de mes)</translation>
    </message>
    <message>
        <source>not a reading file (no day 1..31 in line 4)</source>
        <translation>no es un archivo de lectura (la línea 4 no tiene un día del 1 al 31)</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report Generated By %1</source>
        <translation>Informe generado por %1</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Fecha de nacimiento: </translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation>Número del día maya / Tono galáctico</translation>
    </message>
    <message>
        <source>Mayan Number: </source>
        <translation>Número maya: </translation>
    </message>
    <message>
        <source>Mayan Day Number&apos;s Description: </source>
        <translation>Descripción del número del día maya: </translation>
    </message>
    <message>
        <source>Mayan Day Signs</source>
        <translation>Signos de los días mayas</translation>
    </message>
    <message>
        <source>Mayan Day Sign: </source>
        <translation>Signo del día maya: </translation>
    </message>
    <message>
        <source>Mayan Gemstone: </source>
        <translation>Piedra preciosa maya: </translation>
    </message>
    <message>
        <source>Mayan Keywords: </source>
        <translation>Palabras clave mayas: </translation>
    </message>
    <message>
        <source>Mayan Significance: </source>
        <translation>Significado maya: </translation>
    </message>
    <message>
        <source>Mayan Day Sign&apos;s Description: </source>
        <translation>Descripción del signo del día maya: </translation>
    </message>
    <message>
        <source>Other Mayan Details</source>
        <translation>Otros detalles mayas</translation>
    </message>
    <message>
        <source>Mayan English Name: </source>
        <extracomment>The sign&apos;s name in the reader&apos;s own language (&quot;Monkey&quot;, &quot;Mono&quot;).</extracomment>
        <translation>Nombre del signo en español: </translation>
    </message>
    <message>
        <source>Famous Personalities born under this sign: </source>
        <translation>Personajes famosos nacidos bajo este signo: </translation>
    </message>
    <message>
        <source>Kinmatch report</source>
        <translation>Informe de Kinmatch</translation>
    </message>
</context>
<context>
    <name>SealTable</name>
    <message>
        <source>Red Dragon</source>
        <translation>Dragón Rojo</translation>
    </message>
    <message>
        <source>Together you stand under the Red Dragon, the first glyph of the birth chart and the seal of birth, nurture and new beginnings. Red Dragon days belong to people who protect and feed what they love, and as a couple you share that instinct: you build a home, a project or a family with great energy and loyalty. Your bond draws on deep, old strength, like the primal waters from which life first rose. Trust comes naturally to you once it is earned. The challenge of the Red Dragon is the wish to control: take turns at leading, let each other grow, and your partnership will be a source of life for everyone around you.</source>
        <translation>Juntos se encuentran bajo el Dragón Rojo, el primer glifo de la carta natal y el sello del nacimiento, la nutrición y los nuevos comienzos. Los días del Dragón Rojo pertenecen a quienes protegen y alimentan lo que aman, y como pareja comparten ese instinto: construyen un hogar, un proyecto o una familia con gran energía y lealtad. Su vínculo se nutre de una fuerza profunda y antigua, como las aguas primordiales de las que surgió la vida. Una vez ganada, la confianza fluye entre ustedes con naturalidad. El reto del Dragón Rojo es el deseo de controlar: túrnense para liderar, dejen que cada uno crezca, y su unión será fuente de vida para todos a su alrededor.</translation>
    </message>
    <message>
        <source>White Wind</source>
        <translation>Viento Blanco</translation>
    </message>
    <message>
        <source>Your composite seal is the White Wind, the second glyph of the birth chart and the seal of spirit, breath and communication. White Wind days favour people who speak their truth and inspire others with their ideas, and together you are a lively, talkative pair who never run out of things to say. Your relationship thrives on honesty, shared dreams and movement: travel, music and conversation keep it fresh. You carry each other&apos;s words far. The challenge of the White Wind is changeability: moods can shift quickly between you. Listen as well as you speak, say what you feel before it becomes a storm, and your bond will be as refreshing as a summer breeze.</source>
        <translation>Su sello compuesto es el Viento Blanco, el segundo glifo de la carta natal y el sello del espíritu, el aliento y la comunicación. Los días del Viento Blanco favorecen a quienes dicen su verdad e inspiran a otros con sus ideas, y juntos son una pareja animada y conversadora a la que nunca le falta de qué hablar. Su relación se alimenta de honestidad, sueños compartidos y movimiento: los viajes, la música y la conversación la mantienen fresca. Cada uno lleva lejos las palabras del otro. El reto del Viento Blanco es la inconstancia: el ánimo puede cambiar rápido entre ustedes. Escuchen tanto como hablan, digan lo que sienten antes de que se vuelva tormenta, y su vínculo será tan refrescante como una brisa de verano.</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>Noche Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Night, the third glyph of the birth chart and the seal of dreams, intuition and the inner world. Blue Night days belong to people who seek security and abundance and who trust the quiet voice within. As a couple you create a private sanctuary where both of you can rest, dream and be yourselves. You understand each other without many words, and you share a rich imagination. The challenge of the Blue Night is withdrawal: fear or silence can settle between you when something goes unsaid. Bring your worries into the light, share your dreams aloud, and the treasure hidden in your partnership will keep growing.</source>
        <translation>Su sello compuesto es la Noche Azul, el tercer glifo de la carta natal y el sello de los sueños, la intuición y el mundo interior. Los días de la Noche Azul pertenecen a quienes buscan seguridad y abundancia y confían en la voz serena de su interior. Como pareja crean un santuario íntimo donde ambos pueden descansar, soñar y ser quienes son. Se entienden sin muchas palabras y comparten una rica imaginación. El reto de la Noche Azul es el retraimiento: el miedo o el silencio pueden instalarse entre ustedes cuando algo queda sin decir. Saquen a la luz sus preocupaciones, compartan sus sueños en voz alta, y el tesoro oculto en su relación seguirá creciendo.</translation>
    </message>
    <message>
        <source>Yellow Seed</source>
        <translation>Semilla Amarilla</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Seed, the fourth glyph of the birth chart and the seal of growth, fertility and potential. Yellow Seed days favour people who plant with care and wait for the harvest, and together you have a gift for making things flourish: a garden, a business, a family or a shared ideal. Your relationship starts small and grows strong roots. You bring out each other&apos;s talents, and your energy together is warm and attractive. The challenge of the Yellow Seed is impatience: not every seed sprouts at once. Tend your bond daily, give each other room to grow in your own directions, and you will reap a rich and lasting harvest.</source>
        <translation>Su sello compuesto es la Semilla Amarilla, el cuarto glifo de la carta natal y el sello del crecimiento, la fertilidad y el potencial. Los días de la Semilla Amarilla favorecen a quienes siembran con cuidado y esperan la cosecha, y juntos tienen el don de hacer florecer las cosas: un jardín, un negocio, una familia o un ideal compartido. Su relación empieza pequeña y echa raíces fuertes. Cada uno saca a relucir los talentos del otro, y su energía juntos es cálida y atractiva. El reto de la Semilla Amarilla es la impaciencia: no todas las semillas brotan a la vez. Cuiden su vínculo a diario, dense espacio para crecer cada uno en su dirección, y recogerán una cosecha rica y duradera.</translation>
    </message>
    <message>
        <source>Red Serpent</source>
        <translation>Serpiente Roja</translation>
    </message>
    <message>
        <source>Your composite seal is the Red Serpent, the fifth glyph of the birth chart and the seal of life force, instinct and passion. Red Serpent days belong to people who feel strongly and act on their instincts, and as a couple you share a powerful physical and emotional bond. There is magnetism between you, and you are quick to sense each other&apos;s needs. Together you have the vitality to survive hard times and shed old skins when it is time to change. The challenge of the Red Serpent is intensity: jealousy or a quick temper can flare up. Channel your passion into shared goals, stay honest about your desires, and your union will be vibrant and alive.</source>
        <translation>Su sello compuesto es la Serpiente Roja, el quinto glifo de la carta natal y el sello de la fuerza vital, el instinto y la pasión. Los días de la Serpiente Roja pertenecen a quienes sienten con intensidad y actúan por instinto, y como pareja comparten un poderoso vínculo físico y emocional. Hay magnetismo entre ustedes, y perciben enseguida lo que el otro necesita. Juntos tienen la vitalidad para superar tiempos difíciles y mudar de piel cuando llega la hora de cambiar. El reto de la Serpiente Roja es la intensidad: pueden estallar los celos o el mal genio. Canalicen su pasión hacia metas comunes, sean sinceros sobre sus deseos, y su unión será vibrante y llena de vida.</translation>
    </message>
    <message>
        <source>White WorldBridger</source>
        <translation>Enlazador de Mundos Blanco</translation>
    </message>
    <message>
        <source>Your composite seal is the White WorldBridger, the sixth glyph of the birth chart and the seal of surrender, change and connection between worlds. White WorldBridger days favour people who build bridges between families, cultures and ideas, and together you are a couple who bring people together. Your relationship can carry you through great transitions, and each ending you face together opens a new door. You are generous and forgiving with each other. The challenge of the White WorldBridger is letting go: holding on to the past or to old hurts weighs your bond down. Release what is finished, and your partnership will be a bridge to a wider life.</source>
        <translation>Su sello compuesto es el Enlazador de Mundos Blanco, el sexto glifo de la carta natal y el sello de la entrega, el cambio y la conexión entre mundos. Los días del Enlazador de Mundos Blanco favorecen a quienes tienden puentes entre familias, culturas e ideas, y juntos son una pareja que une a la gente. Su relación puede sostenerlos en grandes transiciones, y cada final que enfrentan juntos abre una nueva puerta. Son generosos e indulgentes el uno con el otro. El reto del Enlazador de Mundos Blanco es soltar: aferrarse al pasado o a viejas heridas pesa sobre su vínculo. Dejen ir lo que ha terminado, y su unión será un puente hacia una vida más amplia.</translation>
    </message>
    <message>
        <source>Blue Hand</source>
        <translation>Mano Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Hand, the seventh glyph of the birth chart and the seal of accomplishment, healing and knowledge. Blue Hand days belong to people who learn by doing and who heal with their hands and hearts, and as a couple you are practical, helpful and skilled. You like to make, mend and build things together, and you take care of each other in concrete ways. Your bond grows through shared work and the satisfaction of finishing what you start. The challenge of the Blue Hand is overwork: you may forget to rest or to ask for help. Hold hands as often as you lend them, and your partnership will heal and fulfil you both.</source>
        <translation>Su sello compuesto es la Mano Azul, el séptimo glifo de la carta natal y el sello de la realización, la sanación y el conocimiento. Los días de la Mano Azul pertenecen a quienes aprenden haciendo y sanan con las manos y el corazón, y como pareja son prácticos, serviciales y hábiles. Les gusta crear, reparar y construir cosas juntos, y se cuidan mutuamente de forma concreta. Su vínculo crece con el trabajo compartido y la satisfacción de terminar lo que empiezan. El reto de la Mano Azul es el exceso de trabajo: pueden olvidarse de descansar o de pedir ayuda. Tómense de la mano tan a menudo como echan una mano, y su relación los sanará y colmará a ambos.</translation>
    </message>
    <message>
        <source>Yellow Star</source>
        <translation>Estrella Amarilla</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Star, the eighth glyph of the birth chart and the seal of beauty, harmony and art. Yellow Star days favour people who love elegance and who bring light into every room, and together you are a radiant, sociable couple who enjoy music, art and good company. Your relationship aims at harmony, and you inspire each other to become the best version of yourselves. Abundance tends to follow you. The challenge of the Yellow Star is perfectionism: expecting everything to be beautiful can make you critical of each other. Accept your flaws with humour, and your love will shine like the morning star.</source>
        <translation>Su sello compuesto es la Estrella Amarilla, el octavo glifo de la carta natal y el sello de la belleza, la armonía y el arte. Los días de la Estrella Amarilla favorecen a quienes aman la elegancia y llenan de luz cada lugar, y juntos son una pareja radiante y sociable que disfruta de la música, el arte y la buena compañía. Su relación aspira a la armonía, y se inspiran mutuamente a ser la mejor versión de sí mismos. La abundancia suele acompañarlos. El reto de la Estrella Amarilla es el perfeccionismo: esperar que todo sea bello puede volverlos críticos el uno con el otro. Acepten sus defectos con humor, y su amor brillará como el lucero del alba.</translation>
    </message>
    <message>
        <source>Red Moon</source>
        <translation>Luna Roja</translation>
    </message>
    <message>
        <source>Your composite seal is the Red Moon, the ninth glyph of the birth chart and the seal of water, purification and the flow of feeling. Red Moon days belong to people who feel deeply and who are guided by their emotions and intuition, and as a couple you share a strong emotional current. You sense each other&apos;s moods, forgive easily and cleanse old wounds together. Your relationship follows natural rhythms, with its tides and seasons. The challenge of the Red Moon is emotional overflow: feelings can swamp reason, and small slights can seem large. Let your emotions flow rather than flood, speak gently when the tide is high, and your bond will be renewed again and again.</source>
        <translation>Su sello compuesto es la Luna Roja, el noveno glifo de la carta natal y el sello del agua, la purificación y el fluir de los sentimientos. Los días de la Luna Roja pertenecen a quienes sienten profundamente y se guían por sus emociones y su intuición, y como pareja comparten una intensa corriente emocional. Perciben el ánimo del otro, perdonan con facilidad y limpian juntos viejas heridas. Su relación sigue ritmos naturales, con sus mareas y estaciones. El reto de la Luna Roja es el desborde emocional: los sentimientos pueden ahogar la razón, y los pequeños desaires parecer grandes. Dejen que sus emociones fluyan sin desbordarse, hablen con suavidad cuando suba la marea, y su vínculo se renovará una y otra vez.</translation>
    </message>
    <message>
        <source>White Dog</source>
        <translation>Perro Blanco</translation>
    </message>
    <message>
        <source>Your composite seal is the White Dog, the tenth glyph of the birth chart and the seal of loyalty, love and the heart. White Dog days favour people who are faithful companions and who guide others home, and together you are a devoted couple whose love is deep and steadfast. You stand by each other in every hardship, and your home is a place of warmth and welcome. Family and friendship matter greatly to you both. The challenge of the White Dog is vulnerability: you can be hurt badly by a broken promise and may become defensive. Keep your word to each other, forgive when you can, and your loyalty will be the rock on which your love stands.</source>
        <translation>Su sello compuesto es el Perro Blanco, el décimo glifo de la carta natal y el sello de la lealtad, el amor y el corazón. Los días del Perro Blanco favorecen a quienes son compañeros fieles y guían a otros a casa, y juntos son una pareja entregada, de amor profundo y firme. Se apoyan en toda dificultad, y su hogar es un lugar cálido y acogedor. La familia y la amistad importan mucho a ambos. El reto del Perro Blanco es la vulnerabilidad: una promesa rota puede herirlos profundamente y volverlos defensivos. Cumplan su palabra el uno con el otro, perdonen cuando puedan, y su lealtad será la roca sobre la que se sostiene su amor.</translation>
    </message>
    <message>
        <source>Blue Monkey</source>
        <translation>Mono Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Monkey, the eleventh glyph of the birth chart and the seal of play, magic and illusion. Blue Monkey days belong to people who are witty, artistic and young at heart, and as a couple you have fun together: you laugh, invent, joke and turn ordinary days into adventures. Your creativity feeds each other, and you rarely bore one another. You meet trouble with humour and find playful ways around obstacles. The challenge of the Blue Monkey is that play can hide real feelings, and tricks can turn into deception. Be serious when it matters, show each other what lies behind the mask, and your joy together will be magical.</source>
        <translation>Su sello compuesto es el Mono Azul, el undécimo glifo de la carta natal y el sello del juego, la magia y la ilusión. Los días del Mono Azul pertenecen a personas ingeniosas, artísticas y de corazón joven, y como pareja se divierten juntos: ríen, inventan, bromean y convierten los días comunes en aventuras. Su creatividad se nutre mutuamente, y rara vez se aburren. Enfrentan los problemas con humor y encuentran maneras lúdicas de sortear los obstáculos. El reto del Mono Azul es que el juego puede ocultar los verdaderos sentimientos, y las bromas pueden volverse engaño. Pónganse serios cuando importa, muéstrense lo que hay detrás de la máscara, y su alegría compartida será mágica.</translation>
    </message>
    <message>
        <source>Yellow Human</source>
        <translation>Humano Amarillo</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Human, the twelfth glyph of the birth chart and the seal of free will, wisdom and influence. Yellow Human days favour people who think for themselves and who want to make a difference in their community, and together you are a thoughtful, capable couple. You respect each other&apos;s independence and enjoy sharing ideas and plans. Your relationship grows through learning, and others often come to you for advice. The challenge of the Yellow Human is stubbornness: two strong wills can clash. Make decisions together, respect each other&apos;s choices, and your partnership will become a source of wisdom for you and those you love.</source>
        <translation>Su sello compuesto es el Humano Amarillo, el duodécimo glifo de la carta natal y el sello del libre albedrío, la sabiduría y la influencia. Los días del Humano Amarillo favorecen a quienes piensan por sí mismos y quieren marcar la diferencia en su comunidad, y juntos son una pareja reflexiva y capaz. Respetan la independencia del otro y disfrutan compartiendo ideas y planes. Su relación crece con el aprendizaje, y a menudo otros acuden a ustedes en busca de consejo. El reto del Humano Amarillo es la terquedad: dos voluntades fuertes pueden chocar. Tomen las decisiones juntos, respeten las elecciones del otro, y su unión será fuente de sabiduría para ustedes y sus seres queridos.</translation>
    </message>
    <message>
        <source>Red Skywalker</source>
        <translation>Caminante del Cielo Rojo</translation>
    </message>
    <message>
        <source>Your composite seal is the Red Skywalker, the thirteenth glyph of the birth chart and the seal of exploration, space and wakefulness. Red Skywalker days belong to people who long for new horizons and who connect heaven and earth, and as a couple you are adventurous and curious. You love to travel, to learn and to push past the limits of the familiar. Your relationship gives each of you the space to grow and the courage to explore. The challenge of the Red Skywalker is restlessness: you may always look to the next horizon and forget the ground beneath your feet. Make a home you both return to, and your journeys together will lift you higher.</source>
        <translation>Su sello compuesto es el Caminante del Cielo Rojo, el decimotercer glifo de la carta natal y el sello de la exploración, el espacio y la vigilia. Los días del Caminante del Cielo Rojo pertenecen a quienes anhelan nuevos horizontes y unen el cielo y la tierra, y como pareja son aventureros y curiosos. Les encanta viajar, aprender y traspasar los límites de lo conocido. Su relación da a cada uno el espacio para crecer y el valor para explorar. El reto del Caminante del Cielo Rojo es la inquietud: pueden mirar siempre al próximo horizonte y olvidar el suelo que pisan. Formen un hogar al que ambos regresen, y sus viajes juntos los elevarán aún más.</translation>
    </message>
    <message>
        <source>White Wizard</source>
        <translation>Mago Blanco</translation>
    </message>
    <message>
        <source>Your composite seal is the White Wizard, the fourteenth glyph of the birth chart and the seal of timelessness, receptivity and enchantment. White Wizard days favour people with strong intuition and a quiet magic about them, and together you are a couple with a deep, almost spiritual bond. You understand each other in silence, and you share a sense that your meeting was meant to be. Your relationship has a charm others notice. The challenge of the White Wizard is the wish to control through will or secrecy. Be open with each other, receive as well as give, and the enchantment between you will grow with every year.</source>
        <translation>Su sello compuesto es el Mago Blanco, el decimocuarto glifo de la carta natal y el sello de la atemporalidad, la receptividad y el encantamiento. Los días del Mago Blanco favorecen a personas de fuerte intuición y con una magia serena, y juntos son una pareja con un vínculo profundo, casi espiritual. Se entienden en silencio y comparten la sensación de que su encuentro estaba destinado. Su relación tiene un encanto que los demás notan. El reto del Mago Blanco es el deseo de controlar mediante la voluntad o el secreto. Sean abiertos el uno con el otro, reciban tanto como dan, y el encanto entre ustedes crecerá cada año.</translation>
    </message>
    <message>
        <source>Blue Eagle</source>
        <translation>Águila Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Eagle, the fifteenth glyph of the birth chart and the seal of vision, creation and the mind. Blue Eagle days belong to people who see the big picture and plan for the future, and as a couple you share ambitious dreams. You encourage each other to aim high, and together you can build something remarkable. You see far, and you help each other rise above everyday worries. The challenge of the Blue Eagle is distance: flying high can make you lose touch with feelings and with daily life. Come down to earth often, share the small moments as well as the grand plans, and your shared vision will carry you both.</source>
        <translation>Su sello compuesto es el Águila Azul, el decimoquinto glifo de la carta natal y el sello de la visión, la creación y la mente. Los días del Águila Azul pertenecen a quienes ven el panorama completo y planean el futuro, y como pareja comparten sueños ambiciosos. Se animan mutuamente a apuntar alto, y juntos pueden construir algo extraordinario. Ven lejos y se ayudan a elevarse por encima de las preocupaciones cotidianas. El reto del Águila Azul es la distancia: volar alto puede hacerles perder el contacto con los sentimientos y la vida diaria. Bajen a tierra a menudo, compartan los pequeños momentos además de los grandes planes, y su visión común los llevará lejos a ambos.</translation>
    </message>
    <message>
        <source>Yellow Warrior</source>
        <translation>Guerrero Amarillo</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Warrior, the sixteenth glyph of the birth chart and the seal of intelligence, courage and questioning. Yellow Warrior days favour people who face challenges head on and who never stop asking why, and together you are a brave, resilient couple. You defend each other fiercely and tackle problems as a team. Your relationship is strengthened by every obstacle you overcome together. The challenge of the Yellow Warrior is combativeness: you may turn your fighting spirit on each other. Choose your battles, fight for your love rather than against your partner, and your courage together will be unbeatable.</source>
        <translation>Su sello compuesto es el Guerrero Amarillo, el decimosexto glifo de la carta natal y el sello de la inteligencia, el valor y el cuestionamiento. Los días del Guerrero Amarillo favorecen a quienes enfrentan las dificultades de frente y nunca dejan de preguntarse por qué, y juntos son una pareja valiente y resiliente. Se defienden con ferocidad y abordan los problemas en equipo. Cada obstáculo que superan juntos fortalece su relación. El reto del Guerrero Amarillo es la combatividad: pueden volver su espíritu de lucha el uno contra el otro. Elijan sus batallas, luchen por su amor y no contra su pareja, y su valor compartido será invencible.</translation>
    </message>
    <message>
        <source>Red Earth</source>
        <translation>Tierra Roja</translation>
    </message>
    <message>
        <source>Your composite seal is the Red Earth, the seventeenth glyph of the birth chart and the seal of navigation, synchronicity and evolution. Red Earth days belong to people who are in tune with the rhythms of nature and who notice the signs along the way, and as a couple you are grounded and purposeful. You move through life in step with each other, and meaningful coincidences seem to guide you. Your bond grows steadily, like the land through the seasons. The challenge of the Red Earth is rigidity: you may resist change or argue about direction. Read the signs together, stay flexible, and your partnership will find its way home.</source>
        <translation>Su sello compuesto es la Tierra Roja, el decimoséptimo glifo de la carta natal y el sello de la navegación, la sincronicidad y la evolución. Los días de la Tierra Roja pertenecen a quienes están en sintonía con los ritmos de la naturaleza y perciben las señales del camino, y como pareja tienen los pies en la tierra y un propósito claro. Avanzan por la vida al mismo paso, y las coincidencias significativas parecen guiarlos. Su vínculo crece con constancia, como la tierra a lo largo de las estaciones. El reto de la Tierra Roja es la rigidez: pueden resistirse al cambio o discutir sobre el rumbo. Lean juntos las señales, manténganse flexibles, y su unión encontrará el camino a casa.</translation>
    </message>
    <message>
        <source>White Mirror</source>
        <translation>Espejo Blanco</translation>
    </message>
    <message>
        <source>Your composite seal is the White Mirror, the eighteenth glyph of the birth chart and the seal of truth, reflection and order. White Mirror days favour people who see clearly and who cut through illusion, and together you are an honest, direct couple. You show each other who you really are, and your relationship rests on truth rather than pretence. You bring order to each other&apos;s lives. The challenge of the White Mirror is harshness: truth spoken without love can wound, and you may judge each other too strictly. Speak kindly, see each other&apos;s beauty as well as each other&apos;s faults, and the mirror between you will reflect a true and lasting love.</source>
        <translation>Su sello compuesto es el Espejo Blanco, el decimoctavo glifo de la carta natal y el sello de la verdad, el reflejo y el orden. Los días del Espejo Blanco favorecen a quienes ven con claridad y atraviesan la ilusión, y juntos son una pareja honesta y directa. Se muestran tal como son, y su relación se basa en la verdad y no en las apariencias. Cada uno pone orden en la vida del otro. El reto del Espejo Blanco es la dureza: la verdad dicha sin amor puede herir, y pueden juzgarse con demasiada severidad. Háblense con cariño, vean la belleza del otro además de sus defectos, y el espejo entre ustedes reflejará un amor verdadero y duradero.</translation>
    </message>
    <message>
        <source>Blue Storm</source>
        <translation>Tormenta Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Storm, the nineteenth glyph of the birth chart and the seal of energy, transformation and self-generation. Blue Storm days belong to people who bring change wherever they go, and as a couple you are a force of renewal. Your relationship is lively and intense, and it changes you both for the better. Together you can clear away what holds you back and start afresh. The challenge of the Blue Storm is turbulence: arguments may break like thunder and pass as quickly, but they can leave damage behind. Let the rain cleanse rather than flood, find calm after each storm, and your bond will be stronger and fresher each time.</source>
        <translation>Su sello compuesto es la Tormenta Azul, el decimonoveno glifo de la carta natal y el sello de la energía, la transformación y la autogeneración. Los días de la Tormenta Azul pertenecen a quienes traen cambios dondequiera que van, y como pareja son una fuerza de renovación. Su relación es viva e intensa, y los transforma a ambos para bien. Juntos pueden despejar lo que los frena y empezar de nuevo. El reto de la Tormenta Azul es la turbulencia: las discusiones pueden estallar como truenos y pasar igual de rápido, pero dejar daños. Dejen que la lluvia limpie sin inundar, busquen la calma tras cada tormenta, y su vínculo saldrá cada vez más fuerte y renovado.</translation>
    </message>
    <message>
        <source>Yellow Sun</source>
        <translation>Sol Amarillo</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Sun, the twentieth glyph of the birth chart and the seal of enlightenment, life and universal fire. Yellow Sun days favour people who are warm, generous and full of light, and together you are a radiant couple whose love warms everyone near you. You bring out each other&apos;s best, and your relationship has a sense of completeness and purpose. You share ideals, a love of beauty and a great joy in life, and together you keep going when others give up. The challenge of the Yellow Sun is pride: two bright lights can compete for attention. Shine for each other rather than against each other, and your union will light the way for many.</source>
        <translation>Su sello compuesto es el Sol Amarillo, el vigésimo glifo de la carta natal y el sello de la iluminación, la vida y el fuego universal. Los días del Sol Amarillo favorecen a personas cálidas, generosas y llenas de luz, y juntos son una pareja radiante cuyo amor abriga a todos a su alrededor. Sacan lo mejor del otro, y su relación tiene un sentido de plenitud y propósito. Comparten ideales, el amor por la belleza y una gran alegría de vivir, y juntos siguen adelante cuando otros se rinden. El reto del Sol Amarillo es el orgullo: dos luces brillantes pueden competir por la atención. Brillen el uno para el otro y no el uno contra el otro, y su unión iluminará el camino de muchos.</translation>
    </message>
</context>
<context>
    <name>SignTable</name>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Witty and demonstrative</source>
        <translation>Ingenioso y expresivo</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Aventurina</translation>
    </message>
    <message>
        <source>Manifestation</source>
        <translation>Manifestación</translation>
    </message>
    <message>
        <source>The Monkey is the eleventh sign of the Mayan day count and belongs to the west. It is the sign of the artist, the weaver and the player, and its natives meet life with a quick mind and a ready laugh. They learn by doing, pick up crafts and languages with ease and love to entertain a room. Their charm opens doors, and their curiosity rarely lets them rest. At their best they turn play into art and lift the spirits of everyone around them. Their weakness is restlessness: they tire of routine, promise more than they can keep and may hide real feelings behind a joke. When they learn to finish what they start, their many talents become a lasting gift.</source>
        <translation>El Mono es el undécimo signo de la cuenta maya de los días y pertenece al oeste. Es el signo del artista, el tejedor y el jugador, y sus nativos afrontan la vida con mente ágil y risa fácil. Aprenden haciendo, adquieren oficios e idiomas con facilidad y les encanta entretener a los demás. Su encanto abre puertas y su curiosidad rara vez los deja descansar. En su mejor faceta convierten el juego en arte y levantan el ánimo de todos a su alrededor. Su debilidad es la inquietud: se cansan de la rutina, prometen más de lo que pueden cumplir y a veces esconden sus sentimientos tras una broma. Cuando aprenden a terminar lo que empiezan, sus muchos talentos se vuelven un regalo duradero.</translation>
    </message>
    <message>
        <source>Road</source>
        <translation>Camino</translation>
    </message>
    <message>
        <source>Careful and useful</source>
        <translation>Cuidadoso y útil</translation>
    </message>
    <message>
        <source>Malachite</source>
        <translation>Malaquita</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>The Road is the twelfth sign of the Mayan day count and belongs to the south. It is the sign of the path of life, of the traveller and of the worker who builds for others. People born under it are careful, practical and generous with their time; they notice what is needed and quietly do it. They make loyal friends, good neighbours and patient teachers, and they often feel called to serve a community. Many of them love to travel, and every journey teaches them something. Their weakness is worry: they can carry the burdens of others until they forget their own needs, and they may cling to a safe road when a new one would serve them better.</source>
        <translation>El Camino es el duodécimo signo de la cuenta maya de los días y pertenece al sur. Es el signo del sendero de la vida, del viajero y del trabajador que construye para los demás. Quienes nacen bajo este signo son cuidadosos, prácticos y generosos con su tiempo; notan lo que hace falta y lo hacen sin alardes. Son amigos leales, buenos vecinos y maestros pacientes, y a menudo se sienten llamados a servir a su comunidad. A muchos les encanta viajar, y cada viaje les enseña algo. Su debilidad es la preocupación: pueden cargar con los problemas ajenos hasta olvidar sus propias necesidades, y aferrarse a un camino seguro cuando uno nuevo les convendría más.</translation>
    </message>
    <message>
        <source>Reed</source>
        <translation>Caña</translation>
    </message>
    <message>
        <source>Crusading and wise</source>
        <translation>Luchador y sabio</translation>
    </message>
    <message>
        <source>Turquoise </source>
        <translation>Turquesa </translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Comprensión</translation>
    </message>
    <message>
        <source>The Reed is the thirteenth sign of the Mayan day count and belongs to the east. It is the sign of the home and the hearth, of the pillar that holds up the house, and of the voice that speaks for what is right. Its natives are principled and wise beyond their years; they defend their family and their beliefs with courage and will crusade for a cause they trust. Others look to them for guidance and protection. They grow like the reed, steadily and upright, and bend without breaking. Their weakness is stubbornness: sure of their values, they can judge others harshly and find it hard to admit a mistake. Tempered with humility, their sense of duty makes them true leaders.</source>
        <translation>La Caña es el decimotercer signo de la cuenta maya de los días y pertenece al este. Es el signo del hogar y la lumbre, del pilar que sostiene la casa y de la voz que defiende lo justo. Sus nativos tienen principios firmes y una sabiduría superior a su edad; defienden con valor a su familia y sus creencias, y luchan por la causa en la que creen. Los demás buscan en ellos guía y protección. Crecen como la caña, firmes y erguidos, y se doblan sin quebrarse. Su debilidad es la terquedad: seguros de sus valores, pueden juzgar con dureza a los demás y les cuesta admitir un error. Templado con humildad, su sentido del deber los convierte en verdaderos líderes.</translation>
    </message>
    <message>
        <source>Jaguar</source>
        <translation>Jaguar</translation>
    </message>
    <message>
        <source>Introvert and intelligent</source>
        <translation>Introvertido e inteligente</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Piedra de luna</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Ascensión</translation>
    </message>
    <message>
        <source>The Jaguar is the fourteenth sign of the Mayan day count and belongs to the north. It is the sign of the night hunter, of the shaman and of the keeper of the earth&apos;s secrets. People born under it are quiet, observant and deeply intelligent; they see through appearances and sense what others hide. They value solitude and use it to think, to study and to heal. Their intuition is strong, and they often feel at home in forests, mountains and other wild places. Once committed, they are fiercely loyal. Their weakness is secrecy: they keep their thoughts to themselves, can seem cold or distant, and may hold on to a grudge for a long time. Trust lets their gifts shine.</source>
        <translation>El Jaguar es el decimocuarto signo de la cuenta maya de los días y pertenece al norte. Es el signo del cazador nocturno, del chamán y del guardián de los secretos de la tierra. Quienes nacen bajo este signo son callados, observadores y profundamente inteligentes; ven más allá de las apariencias y perciben lo que otros ocultan. Valoran la soledad y la usan para pensar, estudiar y sanar. Su intuición es fuerte, y suelen sentirse en casa en bosques, montañas y otros lugares salvajes. Una vez comprometidos, son ferozmente leales. Su debilidad es el secretismo: se guardan lo que piensan, pueden parecer fríos o distantes y guardar rencor mucho tiempo. La confianza deja brillar sus dones.</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águila</translation>
    </message>
    <message>
        <source>Free and independent</source>
        <translation>Libre e independiente</translation>
    </message>
    <message>
        <source>Unakite </source>
        <translation>Unakita </translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>The Eagle is the fifteenth sign of the Mayan day count. It is the sign of the high flier who sees the whole land at once, of vision, ambition and freedom. Its natives are independent spirits with big plans; they rise above petty quarrels and look towards the future. They are quick to spot an opportunity and bold enough to seize it, and many of them do well in business, science or public life. They inspire others with their vision and their confidence. Their weakness is impatience with limits: they dislike being told what to do, may overreach, and can forget the people who helped them climb. Grounded by gratitude, their flight carries others with them.</source>
        <translation>El Águila es el decimoquinto signo de la cuenta maya de los días. Es el signo de quien vuela alto y abarca toda la tierra de una mirada, de la visión, la ambición y la libertad. Sus nativos son espíritus independientes con grandes planes; se elevan por encima de las riñas mezquinas y miran hacia el futuro. Detectan pronto una oportunidad y tienen la audacia de aprovecharla, y a muchos les va bien en los negocios, la ciencia o la vida pública. Inspiran a otros con su visión y su seguridad. Su debilidad es la impaciencia ante los límites: no les gusta que les digan qué hacer, pueden excederse y olvidar a quienes los ayudaron a subir. Si la gratitud los mantiene con los pies en la tierra, su vuelo eleva también a otros.</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabiduría</translation>
    </message>
    <message>
        <source>Knowledgeable and authoritative</source>
        <translation>Erudito y con autoridad</translation>
    </message>
    <message>
        <source>Smokey Quartz</source>
        <translation>Cuarzo ahumado</translation>
    </message>
    <message>
        <source>Duality</source>
        <translation>Dualidad</translation>
    </message>
    <message>
        <source>Wisdom is the sixteenth sign of the Mayan day count and belongs to the south. It is the sign of the elders and the ancestors, of knowledge gathered over a lifetime and passed on. People born under it are thoughtful, learned and naturally authoritative; they ask deep questions and are not satisfied with easy answers. Others come to them for counsel, and they speak with the calm weight of experience. They respect tradition yet are willing to change their minds when the truth demands it. Their weakness is self-doubt and a sense of guilt for old mistakes, which can make them harsh with themselves and with others. When they forgive, their wisdom becomes a blessing.</source>
        <translation>La Sabiduría es el decimosexto signo de la cuenta maya de los días y pertenece al sur. Es el signo de los mayores y los ancestros, del conocimiento reunido a lo largo de una vida y transmitido. Quienes nacen bajo este signo son reflexivos, cultos y de autoridad natural; se hacen preguntas profundas y no se conforman con respuestas fáciles. Los demás acuden a ellos en busca de consejo, y hablan con el peso sereno de la experiencia. Respetan la tradición, pero saben cambiar de opinión cuando la verdad lo exige. Su debilidad es dudar de sí mismos y sentir culpa por viejos errores, lo que puede volverlos duros consigo mismos y con los demás. Cuando perdonan, su sabiduría se convierte en una bendición.</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Practical and intellectual</source>
        <translation>Práctico e intelectual</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>The Earth is the seventeenth sign of the Mayan day count and belongs to the east. It is the sign of movement and synchronicity, of the ground beneath our feet and the mind that reads its signs. Its natives are practical thinkers: they combine a sharp intellect with common sense and like to put ideas to work. They are good at solving problems, organising people and seeing how things fit together. Many are drawn to science, teaching or the care of the land. Their weakness is a restless mind that can turn into worry or stubborn argument, and they may find it hard to slow down. When they trust the rhythm of life, their steady action moves mountains.</source>
        <translation>La Tierra es el decimoséptimo signo de la cuenta maya de los días y pertenece al este. Es el signo del movimiento y la sincronicidad, del suelo que pisamos y de la mente que lee sus señales. Sus nativos son pensadores prácticos: unen un intelecto agudo con el sentido común y les gusta llevar las ideas a la práctica. Son buenos resolviendo problemas, organizando personas y viendo cómo encajan las cosas. Muchos se sienten atraídos por la ciencia, la enseñanza o el cuidado de la tierra. Su debilidad es una mente inquieta que puede caer en la preocupación o en la discusión obstinada, y les cuesta frenar. Cuando confían en el ritmo de la vida, su acción constante mueve montañas.</translation>
    </message>
    <message>
        <source>Flint</source>
        <translation>Pedernal</translation>
    </message>
    <message>
        <source>Romantic and self sufficient</source>
        <translation>Romántico y autosuficiente</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Rodonita</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>Estabilidad</translation>
    </message>
    <message>
        <source>The Flint is the eighteenth sign of the Mayan day count and belongs to the north. It is the sign of the blade that cuts away what is false, of truth, courage and the spark of fire. People born under it are self-sufficient and direct; they say what they think and live by their own rules. Beneath the hard edge lies a romantic heart that loves deeply and faithfully. They are skilled healers and honest friends who will tell you what you need to hear. Their weakness is sharpness: they can wound with words, act rashly in anger and refuse help they truly need. Learning gentleness turns their strength into a stable foundation for all who love them.</source>
        <translation>El Pedernal es el decimoctavo signo de la cuenta maya de los días y pertenece al norte. Es el signo de la hoja que corta lo falso, de la verdad, el valor y la chispa del fuego. Quienes nacen bajo este signo son autosuficientes y directos; dicen lo que piensan y viven según sus propias reglas. Bajo su filo late un corazón romántico que ama con profundidad y fidelidad. Son sanadores hábiles y amigos sinceros que dicen lo que uno necesita oír. Su debilidad es la aspereza: pueden herir con las palabras, actuar con imprudencia cuando se enojan y rechazar la ayuda que de verdad necesitan. Aprender la delicadeza convierte su fuerza en una base estable para todos los que los quieren.</translation>
    </message>
    <message>
        <source>Storm</source>
        <translation>Tormenta</translation>
    </message>
    <message>
        <source>Healing and helpful</source>
        <translation>Sanador y servicial</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Empowerment</source>
        <translation>Empoderamiento</translation>
    </message>
    <message>
        <source>The Storm is the nineteenth sign of the Mayan day count and belongs to the west. It is the sign of thunder and rain, of the cleansing force that renews the land. Its natives carry a powerful energy that can change the lives of others; they are natural healers, helpers and catalysts. They feel deeply, care for family and friends, and are at their best when they can be of use. Crisis brings out their courage. Their weakness is turbulence: their moods can shift like the weather, they may take on too much and burn out, and their intensity can overwhelm gentler souls. When they learn to be calm at the centre of the storm, they empower everyone they touch.</source>
        <translation>La Tormenta es el decimonoveno signo de la cuenta maya de los días y pertenece al oeste. Es el signo del trueno y la lluvia, de la fuerza purificadora que renueva la tierra. Sus nativos llevan una energía poderosa capaz de cambiar la vida de otros; son sanadores, ayudantes y catalizadores natos. Sienten profundamente, cuidan de su familia y amigos, y dan lo mejor de sí cuando pueden ser útiles. Las crisis despiertan su valor. Su debilidad es la turbulencia: su ánimo cambia como el tiempo, pueden asumir demasiado y agotarse, y su intensidad puede abrumar a las almas más delicadas. Cuando aprenden a estar en calma en el centro de la tormenta, empoderan a todos los que tocan.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Affectionate and creative</source>
        <translation>Cariñoso y creativo</translation>
    </message>
    <message>
        <source>Rose Quartz</source>
        <translation>Cuarzo rosa</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluidez</translation>
    </message>
    <message>
        <source>The Sun is the twentieth and last sign of the Mayan day count and belongs to the south. It is the sign of the lord of light, of the hero who completes the cycle and of enlightenment. People born under it are warm, affectionate and creative; they radiate confidence and draw others into their light. They are idealists who want to make the world better, and they often excel in the arts, in sport or in any field where they can shine. Their generosity is real and their love wholehearted. Their weakness is pride: they may need admiration, take on too many causes and burn too brightly. When they let life flow, their light warms everyone near them.</source>
        <translation>El Sol es el vigésimo y último signo de la cuenta maya de los días y pertenece al sur. Es el signo del señor de la luz, del héroe que completa el ciclo y de la iluminación. Quienes nacen bajo este signo son cálidos, cariñosos y creativos; irradian seguridad y atraen a los demás hacia su luz. Son idealistas que quieren mejorar el mundo, y suelen destacar en las artes, el deporte o cualquier campo donde puedan brillar. Su generosidad es auténtica y su amor, sin reservas. Su debilidad es el orgullo: pueden necesitar admiración, abrazar demasiadas causas y arder con demasiada intensidad. Cuando dejan fluir la vida, su luz abriga a todos los que los rodean.</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Cocodrilo</translation>
    </message>
    <message>
        <source>Protective and dominating</source>
        <translation>Protector y dominante</translation>
    </message>
    <message>
        <source>Red Jasper</source>
        <translation>Jaspe rojo</translation>
    </message>
    <message>
        <source>The Crocodile is the first sign of the Mayan day count and belongs to the east. It is the sign of beginnings, of the primal waters from which the world was born, and of the nurturing mother. Its natives are protective and strong-willed; they care fiercely for those in their charge and like to take the lead. They are pioneers with plenty of new ideas and the energy to launch them. Their instincts are sound and their imagination rich. Their weakness is a need for control: they can dominate, become possessive or moody, and struggle to let others find their own way. When they nurture without smothering, they bring people together in unity.</source>
        <translation>El Cocodrilo es el primer signo de la cuenta maya de los días y pertenece al este. Es el signo de los comienzos, de las aguas primordiales de las que nació el mundo y de la madre que nutre. Sus nativos son protectores y de voluntad firme; cuidan con fervor a quienes están a su cargo y les gusta tomar la iniciativa. Son pioneros con muchas ideas nuevas y la energía para ponerlas en marcha. Sus instintos son certeros y su imaginación, rica. Su debilidad es la necesidad de control: pueden ser dominantes, posesivos o volubles, y les cuesta dejar que otros encuentren su propio camino. Cuando nutren sin asfixiar, reúnen a las personas en la unidad.</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Clever, lively, and multifaceted</source>
        <translation>Ingenioso, vivaz y polifacético</translation>
    </message>
    <message>
        <source>Sodalite</source>
        <translation>Sodalita</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Justicia</translation>
    </message>
    <message>
        <source>The Wind is the second sign of the Mayan day count and belongs to the north. It is the sign of breath and spirit, of the word that carries ideas from one mind to another. People born under it are clever, lively and many-sided; they communicate with ease and inspire others with their enthusiasm. They have a strong sense of justice and will speak up for those who cannot. Change does not frighten them: like the wind, they go where they are needed. Their weakness is inconstancy: their moods can shift quickly, they may scatter their energy over too many interests and speak before they think. When their spirit is focused, their words can move the world.</source>
        <translation>El Viento es el segundo signo de la cuenta maya de los días y pertenece al norte. Es el signo del aliento y el espíritu, de la palabra que lleva las ideas de una mente a otra. Quienes nacen bajo este signo son ingeniosos, vivaces y polifacéticos; se comunican con facilidad e inspiran a otros con su entusiasmo. Tienen un fuerte sentido de la justicia y alzan la voz por quienes no pueden hacerlo. El cambio no los asusta: como el viento, van adonde se los necesita. Su debilidad es la inconstancia: su ánimo cambia rápido, pueden dispersar su energía en demasiados intereses y hablar antes de pensar. Cuando su espíritu se enfoca, sus palabras pueden mover el mundo.</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Conservative and thoughtful</source>
        <translation>Conservador y reflexivo</translation>
    </message>
    <message>
        <source>Snowflake Obsidian</source>
        <translation>Obsidiana copo de nieve</translation>
    </message>
    <message>
        <source>Patience</source>
        <translation>Paciencia</translation>
    </message>
    <message>
        <source>The Night is the third sign of the Mayan day count and belongs to the west. It is the sign of the house of darkness, of dreams, of the inner world and of the treasure that waits in the dark. Its natives are thoughtful, reserved and conservative; they value security, home and a well-ordered life. They think before they act and have a gift for patience that others lack. Their dreams are vivid and often guide them well. Though they may seem shy, they hold great depth and loyalty. Their weakness is fear of the unknown: they can withdraw, brood and resist change even when it is good for them. When they trust their inner light, they find abundance.</source>
        <translation>La Noche es el tercer signo de la cuenta maya de los días y pertenece al oeste. Es el signo de la casa de la oscuridad, de los sueños, del mundo interior y del tesoro que aguarda en la penumbra. Sus nativos son reflexivos, reservados y conservadores; valoran la seguridad, el hogar y una vida ordenada. Piensan antes de actuar y tienen un don para la paciencia que a otros les falta. Sus sueños son vívidos y a menudo los guían bien. Aunque parezcan tímidos, poseen gran profundidad y lealtad. Su debilidad es el miedo a lo desconocido: pueden encerrarse, rumiar y resistirse al cambio aun cuando les conviene. Cuando confían en su luz interior, encuentran la abundancia.</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Sexual, dynamic and energetic</source>
        <translation>Sensual, dinámico y enérgico</translation>
    </message>
    <message>
        <source>Dumortierite</source>
        <translation>Dumortierita</translation>
    </message>
    <message>
        <source>The Seed is the fourth sign of the Mayan day count and belongs to the south. It is the sign of the corn seed, of fertility and of everything that grows from a small beginning to a rich harvest. People born under it are dynamic, sensual and full of energy; they attract others easily and know how to make things grow, whether a family, a business or an idea. They are sociable, persuasive and often lucky. Their weakness is impatience and a hunger for pleasure that can lead them to excess, jealousy or a wish to possess what they love. When they tend their seeds with care and patience, they reap a harvest that feeds many.</source>
        <translation>La Semilla es el cuarto signo de la cuenta maya de los días y pertenece al sur. Es el signo de la semilla de maíz, de la fertilidad y de todo lo que crece desde un pequeño comienzo hasta una rica cosecha. Quienes nacen bajo este signo son dinámicos, sensuales y llenos de energía; atraen a los demás con facilidad y saben hacer crecer las cosas, sea una familia, un negocio o una idea. Son sociables, persuasivos y a menudo afortunados. Su debilidad es la impaciencia y un apetito de placer que puede llevarlos al exceso, a los celos o al deseo de poseer lo que aman. Cuando cuidan sus semillas con esmero y paciencia, recogen una cosecha que alimenta a muchos.</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Forceful, powerful and charismatic</source>
        <translation>Enérgico, poderoso y carismático</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>The Serpent is the fifth sign of the Mayan day count and belongs to the east. It is the sign of life force, of instinct and of the energy that rises through the body. Its natives are forceful and charismatic; they have a magnetic presence and a powerful will. They sense danger and opportunity before others do and act decisively. Many of them are drawn to performance, leadership or healing, where their intensity can be put to good use. Their weakness is that same intensity: they may be quick-tempered, jealous or driven by their passions, and they can shed people as a snake sheds its skin. When they master their power, they become wise and resolute guides.</source>
        <translation>La Serpiente es el quinto signo de la cuenta maya de los días y pertenece al este. Es el signo de la fuerza vital, del instinto y de la energía que asciende por el cuerpo. Sus nativos son enérgicos y carismáticos; tienen una presencia magnética y una voluntad poderosa. Perciben el peligro y la oportunidad antes que nadie y actúan con decisión. Muchos se sienten atraídos por el escenario, el liderazgo o la sanación, donde su intensidad rinde frutos. Su debilidad es esa misma intensidad: pueden ser irascibles, celosos o esclavos de sus pasiones, y desprenderse de la gente como la serpiente muda de piel. Cuando dominan su poder, se convierten en guías sabios y resueltos.</translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation>Transformador</translation>
    </message>
    <message>
        <source>Helpful and sacrificing</source>
        <translation>Servicial y abnegado</translation>
    </message>
    <message>
        <source>Carnelian</source>
        <translation>Cornalina</translation>
    </message>
    <message>
        <source>The Transformer is the sixth sign of the Mayan day count and belongs to the north. It is the sign of endings and new beginnings, of the bridge between worlds, and of the change that makes growth possible. People born under it are helpful and self-sacrificing; they give freely of themselves and understand suffering because they have known it. They are at ease with change and help others through the great passages of life. Many have a gift for counselling, medicine or art. Their weakness is a tendency to give too much, to take on the pain of others and to neglect their own wishes. When they let go of what is finished, they are reborn stronger each time.</source>
        <translation>El Transformador es el sexto signo de la cuenta maya de los días y pertenece al norte. Es el signo de los finales y los nuevos comienzos, del puente entre mundos y del cambio que hace posible el crecimiento. Quienes nacen bajo este signo son serviciales y abnegados; se entregan con generosidad y comprenden el sufrimiento porque lo han conocido. Se sienten a gusto con el cambio y acompañan a otros en las grandes transiciones de la vida. Muchos tienen talento para la orientación, la medicina o el arte. Su debilidad es la tendencia a dar demasiado, a cargar con el dolor ajeno y a descuidar sus propios deseos. Cuando sueltan lo que ha terminado, renacen cada vez más fuertes.</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Venado</translation>
    </message>
    <message>
        <source>Nomadic and cooperative</source>
        <translation>Nómada y cooperativo</translation>
    </message>
    <message>
        <source>Amazonite</source>
        <translation>Amazonita</translation>
    </message>
    <message>
        <source>The Deer is the seventh sign of the Mayan day count. It is the sign of the gentle wanderer, of the hand that heals and of the spirit that lives in harmony with nature. People born under it are cooperative, sensitive and graceful; they prefer peace to conflict and work well with others. Many love travel and a change of scene, and they feel most alive outdoors. They are generous hosts and loyal companions with a talent for bringing people together. Their weakness is timidity: they may flee from confrontation, avoid commitment and drift from place to place without settling. When they find their purpose, their gentleness becomes real strength.</source>
        <translation>El Venado es el séptimo signo de la cuenta maya de los días. Es el signo del caminante apacible, de la mano que sana y del espíritu que vive en armonía con la naturaleza. Quienes nacen bajo este signo son cooperativos, sensibles y llenos de gracia; prefieren la paz al conflicto y trabajan bien con los demás. A muchos les encanta viajar y cambiar de paisaje, y se sienten más vivos al aire libre. Son anfitriones generosos y compañeros leales, con talento para unir a la gente. Su debilidad es la timidez: pueden huir de la confrontación, evitar el compromiso y vagar de un lugar a otro sin asentarse. Cuando encuentran su propósito, su dulzura se convierte en verdadera fuerza.</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Witty and jolly</source>
        <translation>Ingenioso y alegre</translation>
    </message>
    <message>
        <source>Hematite</source>
        <translation>Hematita</translation>
    </message>
    <message>
        <source>The Star is the eighth sign of the Mayan day count and belongs to the south. It is the sign of the planet Venus, of beauty, harmony and abundance. Its natives are witty, jolly and sociable; they light up a gathering and love music, art and good company. They have a keen eye for beauty and a gift for making things grow and multiply, whether money, friendships or ideas. Their optimism is infectious. Their weakness is a love of comfort that can make them lazy or extravagant, and a wish to please that can make them superficial or indecisive. When they share their abundance and keep their word, they shine like the morning star over everyone they meet.</source>
        <translation>La Estrella es el octavo signo de la cuenta maya de los días y pertenece al sur. Es el signo del planeta Venus, de la belleza, la armonía y la abundancia. Sus nativos son ingeniosos, alegres y sociables; animan cualquier reunión y aman la música, el arte y la buena compañía. Tienen buen ojo para la belleza y el don de hacer crecer y multiplicar las cosas, ya sea el dinero, las amistades o las ideas. Su optimismo es contagioso. Su debilidad es el gusto por la comodidad, que puede volverlos perezosos o derrochadores, y el afán de agradar, que puede hacerlos superficiales o indecisos. Cuando comparten su abundancia y cumplen su palabra, brillan como el lucero del alba para todos los que conocen.</translation>
    </message>
    <message>
        <source>Offering</source>
        <translation>Ofrenda</translation>
    </message>
    <message>
        <source>Emotional and imaginative</source>
        <translation>Emotivo e imaginativo</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lapislázuli</translation>
    </message>
    <message>
        <source>The Offering is the ninth sign of the Mayan day count and belongs to the east. It is the sign of water and of the rain that feeds the fields, of gratitude and of the gift given in return for what life offers. People born under it are emotional, imaginative and idealistic; they feel the needs of others and respond with generosity. They have vivid inner lives and often express them through art, music or writing. They keep their promises and pay their debts. Their weakness is that their feelings run deep and can swing between extremes, and they may carry guilt or feel unappreciated. When they accept as gracefully as they give, their gifts flow freely.</source>
        <translation>La Ofrenda es el noveno signo de la cuenta maya de los días y pertenece al este. Es el signo del agua y de la lluvia que alimenta los campos, de la gratitud y del don que se entrega a cambio de lo que ofrece la vida. Quienes nacen bajo este signo son emotivos, imaginativos e idealistas; sienten las necesidades ajenas y responden con generosidad. Tienen una vida interior intensa y a menudo la expresan en el arte, la música o la escritura. Cumplen sus promesas y pagan sus deudas. Su debilidad es que sus sentimientos son profundos y pueden oscilar entre extremos, y pueden cargar con culpas o sentirse poco valorados. Cuando reciben con la misma gracia con que dan, sus dones fluyen libremente.</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Helpful and loyal</source>
        <translation>Servicial y leal</translation>
    </message>
    <message>
        <source>Bloodstone</source>
        <translation>Heliotropo</translation>
    </message>
    <message>
        <source>The Dog is the tenth sign of the Mayan day count and belongs to the north. It is the sign of loyalty, of the faithful companion and of the heart that guides travellers home. Its natives are loving, helpful and steadfast; they stand by family and friends through every hardship and expect the same in return. They have a strong sense of fairness and a generous, sociable nature. Patience is one of their great gifts, and they are often trusted as protectors. Their weakness is that they give their loyalty blindly, can be hurt deeply by betrayal, and may become stubborn or suspicious. When their love is wise as well as warm, it guides many safely.</source>
        <translation>El Perro es el décimo signo de la cuenta maya de los días y pertenece al norte. Es el signo de la lealtad, del compañero fiel y del corazón que guía a los viajeros a casa. Sus nativos son cariñosos, serviciales y constantes; apoyan a su familia y amigos en toda dificultad y esperan lo mismo a cambio. Tienen un fuerte sentido de la justicia y una naturaleza generosa y sociable. La paciencia es uno de sus grandes dones, y a menudo se les confía el papel de protectores. Su debilidad es que entregan su lealtad a ciegas, la traición puede herirlos profundamente y pueden volverse tercos o desconfiados. Cuando su amor es sabio además de cálido, guía a muchos a buen puerto.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ToneTable</name>
    <message>
        <source>Magnetic</source>
        <translation>Magnético</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Eléctrico</translation>
    </message>
    <message>
        <source>Self-Existing</source>
        <translation>Autoexistente</translation>
    </message>
    <message>
        <source>Overtone</source>
        <translation>Entonado</translation>
    </message>
    <message>
        <source>Rythmic</source>
        <translation>Rítmico</translation>
    </message>
    <message>
        <source>Resonant</source>
        <translation>Resonante</translation>
    </message>
    <message>
        <source>Galactic</source>
        <translation>Galáctico</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Solar</translation>
    </message>
    <message>
        <source>Planetary</source>
        <translation>Planetario</translation>
    </message>
    <message>
        <source>Spectral</source>
        <translation>Espectral</translation>
    </message>
    <message>
        <source>Crystal</source>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>Cosmic</source>
        <translation>Cósmico</translation>
    </message>
</context>
<context>
    <name>WindowsLanguage</name>
    <message>
        <source>Kinmatch will be in %1 the next time it starts.</source>
        <extracomment>Said once a language is chosen, in that language: %1 is its name (&quot;Español&quot;).</extracomment>
        <translation>La próxima vez que se inicie, Kinmatch estará en este idioma: %1.</translation>
    </message>
    <message>
        <source>The choice of language could not be kept in the settings.</source>
        <translation>No se pudo guardar en la configuración el idioma elegido.</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>above 260, so %1 - 260 = %2</source>
        <translation>supera 260, así que %1 - 260 = %2</translation>
    </message>
    <message>
        <source>not above 260, so it stays %1</source>
        <translation>no supera 260, así que queda en %1</translation>
    </message>
    <message>
        <source>Year code of %1: %2</source>
        <translation>Código del año %1: %2</translation>
    </message>
    <message>
        <source>Value of %1 %2: %3</source>
        <translation>Valor del %2 de %1: %3</translation>
    </message>
    <message>
        <source>Sum: %1 + %2 = %3, %4</source>
        <translation>Suma: %1 + %2 = %3, %4</translation>
    </message>
    <message>
        <source>Place in the count: %1</source>
        <translation>Lugar en la cuenta: %1</translation>
    </message>
    <message>
        <source>Day sign: (%1 - 1) mod 20 + 1 = %2, %3</source>
        <translation>Signo del día: (%1 - 1) mod 20 + 1 = %2, %3</translation>
    </message>
    <message>
        <source>Galactic tone: (%1 + 6) mod 13 + 1 = %2</source>
        <translation>Tono galáctico: (%1 + 6) mod 13 + 1 = %2</translation>
    </message>
    <message>
        <source>How it is worked out:</source>
        <translation>Cómo se calcula:</translation>
    </message>
    <message>
        <source>above %1, so %2 + %3 = %4</source>
        <translation>supera %1, así que %2 + %3 = %4</translation>
    </message>
    <message>
        <source>not above %1, so it stays %2</source>
        <translation>no supera %1, así que queda en %2</translation>
    </message>
    <message>
        <source>You, born %1:</source>
        <translation>Usted, que nació el %1:</translation>
    </message>
    <message>
        <source>Your partner, born %1:</source>
        <translation>Su pareja, que nació el %1:</translation>
    </message>
    <message>
        <source>Seal sum: %1 + %2 = %3, %4: %5</source>
        <translation>Suma de sellos: %1 + %2 = %3, %4: %5</translation>
    </message>
    <message>
        <source>Tone sum: %1 + %2 = %3, %4: %5</source>
        <translation>Suma de tonos: %1 + %2 = %3, %4: %5</translation>
    </message>
    <message>
        <source>Name: the tone %1 goes between the words of %2: %3</source>
        <extracomment>How the composite&apos;s name is made: %1 the tone&apos;s name, %2 the seal&apos;s, %3 the composite&apos;s.</extracomment>
        <translation>Nombre: el tono %1 se añade a %2: %3</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kinmatch</source>
        <translation>Kinmatch</translation>
    </message>
    <message>
        <source>Kinmatch generates your compatibility based on the Day Sign and Galactic Tone of the two persons. This is based on Mayan principles. Copyright Quorvane Softwares, all rights reserved.</source>
        <translation>Kinmatch calcula su compatibilidad a partir del signo del día y el tono galáctico de las dos personas, siguiendo los principios mayas. Copyright Quorvane Softwares. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en internet y gane dinero en línea. Obtenga este software con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haga clic aquí para obtener más información.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know your compatibility with your partner based on advanced Mayan Astrology! Enter the following details and get started.</source>
        <translation>¡Conozca su compatibilidad con su pareja según la astrología maya avanzada! Indique los siguientes datos para comenzar.</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>Sus datos personales</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>Datos personales de su pareja</translation>
    </message>
    <message>
        <source>&amp;Generate Mayan Astrology Compatibility Reading</source>
        <translation>&amp;Generar lectura de compatibilidad astrológica maya</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>A&amp;brir una lectura guardada</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Generate Mayan Birth Chart</source>
        <translation>&amp;Generar carta natal maya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>%1: Name</source>
        <translation>%1: nombre</translation>
    </message>
    <message>
        <source>%1: Month of birth</source>
        <translation>%1: mes de nacimiento</translation>
    </message>
    <message>
        <source>%1: Day of birth</source>
        <translation>%1: día de nacimiento</translation>
    </message>
    <message>
        <source>%1: Year of birth</source>
        <translation>%1: año de nacimiento</translation>
    </message>
    <message>
        <source>Your date of birth</source>
        <translation>Su fecha de nacimiento</translation>
    </message>
    <message>
        <source>Your partner&apos;s date of birth</source>
        <translation>Fecha de nacimiento de su pareja</translation>
    </message>
    <message>
        <source>%1: month</source>
        <translation>%1: mes</translation>
    </message>
    <message>
        <source>%1: day</source>
        <translation>%1: día</translation>
    </message>
    <message>
        <source>%1: year</source>
        <translation>%1: año</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escriba su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Escriba el nombre de su pareja</translation>
    </message>
    <message>
        <source>Please Enter A Name Of At Most %1 Characters</source>
        <translation>Escriba un nombre de %1 caracteres como máximo</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Indique un día o un mes correctos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Indique un día o un mes correctos!</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Seleccione el archivo de origen</translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation>Astrología maya (*.man)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Compruebe el archivo.</translation>
    </message>
</context>
<context>
    <name>frmMayanCompatibilityResult</name>
    <message>
        <source>Kinmatch Results</source>
        <translation>Resultados de Kinmatch</translation>
    </message>
    <message>
        <source>Your Mayan Day Sign </source>
        <translation>Su signo del día maya </translation>
    </message>
    <message>
        <source>Your Galactic Tone</source>
        <translation>Su tono galáctico</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Mayan Day Sign</source>
        <translation>Signo del día maya de su pareja</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Galactic Tone</source>
        <translation>Tono galáctico de su pareja</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Mayan Astrology Compatibility</source>
        <translation>Compatibilidad astrológica maya</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>The picture of the %1 seal</source>
        <translation>La imagen del sello %1</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Programs like Kinmatch can only be created and maintained with your support. Please visit the Quorvane Softwares forum at %1 regularly and take part in its discussions and activities, so that we can keep developing this and our other programs.</source>
        <translation>Programas como Kinmatch solo pueden crearse y mantenerse con su apoyo. Visite con regularidad el foro de Quorvane Softwares en %1 y participe en sus debates y actividades, para que podamos seguir desarrollando este y nuestros demás programas.</translation>
    </message>
    <message>
        <source>We cannot support and maintain Kinmatch and our other programs without your regular visits. Please drop in at the Quorvane Softwares forum, %1, often and join in its discussions and activities.</source>
        <translation>Sin sus visitas habituales no podemos dar soporte ni mantenimiento a Kinmatch y nuestros demás programas. Pase a menudo por el foro de Quorvane Softwares, %1, y súmese a sus debates y actividades.</translation>
    </message>
    <message>
        <source>The Quorvane Softwares forum at %1 is a free online discussion forum for all things mystic. Visit it regularly and take part in its discussions and activities: your visits keep this and our other programs developed and maintained.</source>
        <translation>El foro de Quorvane Softwares, en %1, es un foro de debate en línea gratuito sobre todo lo místico. Visítelo con regularidad y participe en sus debates y actividades: sus visitas hacen posible que sigamos desarrollando y manteniendo este y nuestros demás programas.</translation>
    </message>
    <message>
        <source>Our forum at %1 needs your help. Visiting it regularly and taking part in its discussions and activities is what keeps Kinmatch and the other Quorvane Softwares programs developed and maintained.</source>
        <translation>Nuestro foro en %1 necesita su ayuda. Visitarlo con regularidad y participar en sus debates y actividades es lo que nos permite seguir desarrollando y manteniendo Kinmatch y los demás programas de Quorvane Softwares.</translation>
    </message>
    <message>
        <source>Kinmatch</source>
        <translation>Kinmatch</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haga clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar a un amigo ahora</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Descargas de Quorvane Softwares</translation>
    </message>
    <message>
        <source>Enjoyed Kinmatch? Quorvane Softwares makes a large range of other programs for every seeker: astrology, psychic and tarot readings, numerology, and software on the occult.

Each is as easy to use as this one, and many of them are free to try. Have a look at them all and find your next favourite.</source>
        <translation>¿Le gustó Kinmatch? Quorvane Softwares crea muchos otros programas para todo buscador: astrología, lecturas de videncia y de tarot, numerología y software sobre lo oculto.

Todos son tan fáciles de usar como este, y muchos se pueden probar gratis. Écheles un vistazo y encuentre su próximo favorito.</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Haga clic aquí para visitar Quorvane Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum</source>
        <translation>El foro de debate místico en línea más popular</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haga clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>The Name Contains &quot;%1&quot;, Which A Reading File Cannot Hold.</source>
        <translation>El nombre contiene «%1», que un archivo de lectura no puede guardar.</translation>
    </message>
    <message>
        <source>Kinmatch</source>
        <translation>Kinmatch</translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation>Astrología maya (*.man)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>kinmatch-cli</name>
    <message>
        <source>needs %1</source>
        <translation>requiere %1</translation>
    </message>
    <message>
        <source>unknown option %1 (try &apos;kinmatch-cli %2 --help&apos;)</source>
        <translation>opción desconocida %1 (pruebe &apos;kinmatch-cli %2 --help&apos;)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 requiere un valor</translation>
    </message>
    <message>
        <source>option %1 needs %2 values</source>
        <translation>la opción %1 requiere %2 valores</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; is given twice</source>
        <translation>la opción &apos;%1&apos; aparece dos veces</translation>
    </message>
    <message>
        <source>options &apos;%1&apos; and &apos;%2&apos; exclude each other</source>
        <translation>las opciones &apos;%1&apos; y &apos;%2&apos; se excluyen mutuamente</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>not a date of the form YYYY-MM-DD</source>
        <translation>no es una fecha con el formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year must lie in %1..%2</source>
        <translation>el año debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>there is no month %1</source>
        <translation>no existe el mes %1</translation>
    </message>
    <message>
        <source>shows this help</source>
        <translation>muestra esta ayuda</translation>
    </message>
    <message>
        <source>writes one self-contained HTML file (- for standard output)</source>
        <translation>escribe un único archivo HTML autónomo (- para la salida estándar)</translation>
    </message>
    <message>
        <source>writes a PDF file (- for standard output)</source>
        <translation>escribe un archivo PDF (- para la salida estándar)</translation>
    </message>
    <message>
        <source>Bad input prints one line on standard error and exits with status 2, writing
nothing; an output that cannot be written (a read-only file among them) exits with
status 1 and leaves any old file as it was. Files may be pipes; - is standard
input or output. In CSV, a name that starts with =, +, -, @, a tab or a carriage
return is preceded by &apos;, so that no spreadsheet runs it as a formula.
</source>
        <translation>Una entrada errónea escribe una línea en la salida de error y sale con estado 2 sin
escribir nada; una salida que no se puede escribir (p. ej., de solo lectura) sale con
estado 1 y no toca el archivo anterior. Los archivos pueden ser tuberías; - es la
entrada o salida estándar. En CSV, un nombre que empieza por =, +, -, @, tabulador o
retorno de carro lleva delante &apos; para que ninguna hoja de cálculo lo tome por fórmula.
</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Mayan astrology readings from the command line. Dates are YYYY-MM-DD, 1900-01-01 to
2016-12-31.
</source>
        <translation>Lecturas de astrología maya desde la línea de comandos. Las fechas, en formato
YYYY-MM-DD, van del 1900-01-01 al 2016-12-31.
</translation>
    </message>
    <message>
        <source>shows the version</source>
        <translation>muestra la versión</translation>
    </message>
    <message>
        <source>ends the options: what follows is a date or a file</source>
        <translation>termina las opciones: lo que sigue es una fecha o un archivo</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>holds more than %1 MB, more than any batch of dates or group needs</source>
        <translation>contiene más de %1 MB, más de lo que necesita cualquier lote de fechas o grupo</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>--explain cannot be shown in CSV</source>
        <translation>--explain no se puede mostrar en CSV</translation>
    </message>
    <message>
        <source>needs a DATE, or - to read dates from standard input</source>
        <translation>requiere DATE, o - para leer las fechas de la entrada estándar</translation>
    </message>
    <message>
        <source>- reads the dates from standard input and stands alone</source>
        <translation>- lee las fechas de la entrada estándar y debe ir solo</translation>
    </message>
    <message>
        <source>needs USER-DATE and PARTNER-DATE</source>
        <translation>requiere USER-DATE y PARTNER-DATE</translation>
    </message>
    <message>
        <source>needs FILE.csv, or - for standard input</source>
        <translation>requiere FILE.csv, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>needs --name NAME DATE for each of the two persons</source>
        <translation>requiere --name NAME DATE para cada una de las dos personas</translation>
    </message>
    <message>
        <source>is far larger than a reading file, so it is none</source>
        <translation>es mucho mayor que un archivo de lectura, así que no lo es</translation>
    </message>
    <message>
        <source>takes either FILE.man or --name NAME DATE</source>
        <translation>admite FILE.man o --name NAME DATE, pero no ambos</translation>
    </message>
    <message>
        <source>needs FILE.man or --name NAME DATE</source>
        <translation>requiere FILE.man o --name NAME DATE</translation>
    </message>
    <message>
        <source>needs FILE.man</source>
        <translation>requiere FILE.man</translation>
    </message>
    <message>
        <source>needs --name NAME DATE</source>
        <translation>requiere --name NAME DATE</translation>
    </message>
    <message>
        <source>does not end in .man</source>
        <translation>no termina en .man</translation>
    </message>
    <message>
        <source>a reading file cannot hold the character &apos;%1&apos; of the name</source>
        <translation>un archivo de lectura no puede contener el carácter &apos;%1&apos; del nombre</translation>
    </message>
    <message>
        <source>JSON instead of text (one object a line for several dates)</source>
        <translation>JSON en lugar de texto (un objeto por línea si hay varias fechas)</translation>
    </message>
    <message>
        <source>CSV instead of text</source>
        <translation>CSV en lugar de texto</translation>
    </message>
    <message>
        <source>shows how each answer is worked out</source>
        <translation>muestra cómo se calcula cada resultado</translation>
    </message>
    <message>
        <source>a person&apos;s name and date of birth</source>
        <translation>nombre y fecha de nacimiento de una persona</translation>
    </message>
    <message>
        <source>each date&apos;s place in the 260-day count, day sign, galactic tone and reading;
- reads one date a line from standard input (a blank line is an error)</source>
        <translation>lugar de cada fecha en la cuenta de 260 días, signo del día, tono galáctico y lectura;
- lee una fecha por línea de la entrada estándar (una línea en blanco es un error)</translation>
    </message>
    <message>
        <source>two persons&apos; composite seal and tone, with each person&apos;s own sign and tone</source>
        <translation>sello y tono compuestos de dos personas, con el signo y el tono de cada una</translation>
    </message>
    <message>
        <source>JSON instead of text</source>
        <translation>JSON en lugar de texto</translation>
    </message>
    <message>
        <source>every pair of a group of 2 to 1000 persons, from a CSV file (UTF-8 or Windows-1252;
- for standard input) of names and dates, with an optional header row name,date</source>
        <translation>cada pareja de un grupo de 2 a 1000 personas, de un archivo CSV (UTF-8 o Windows-1252;
- para la entrada estándar) de nombres y fechas, con cabecera opcional name,date</translation>
    </message>
    <message>
        <source>JSON instead of text: {&quot;people&quot;: [...], &quot;pairs&quot;: [...]}</source>
        <translation>JSON en lugar de texto: {&quot;people&quot;: [...], &quot;pairs&quot;: [...]}</translation>
    </message>
    <message>
        <source>CSV instead of text: one pair a row</source>
        <translation>CSV en lugar de texto: una pareja por fila</translation>
    </message>
    <message>
        <source>the couple&apos;s report: both persons&apos; readings and their composite</source>
        <translation>informe de la pareja: las lecturas de ambas personas y su signo compuesto</translation>
    </message>
    <message>
        <source>the report of one person&apos;s reading, from a reading file or a name and date</source>
        <translation>informe de la lectura de una persona, a partir de un archivo de lectura o de un nombre y una fecha</translation>
    </message>
    <message>
        <source>writes a reading file for a name and date (- for standard output)</source>
        <translation>escribe un archivo de lectura para un nombre y una fecha (- para la salida estándar)</translation>
    </message>
    <message>
        <source>(try &apos;kinmatch-cli --help&apos;)</source>
        <translation>(pruebe &apos;kinmatch-cli --help&apos;)</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>línea de comandos</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>takes no arguments</source>
        <translation>no admite argumentos</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>opción desconocida</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>comando desconocido</translation>
    </message>
    <message>
        <source>the name is blank</source>
        <translation>el nombre está en blanco</translation>
    </message>
    <message>
        <source>the name is not UTF-8 text</source>
        <translation>el nombre no es texto UTF-8</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>el nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>it holds a NUL byte, which text never holds</source>
        <translation>contiene un byte NUL, que ningún texto contiene</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>the line is blank; give one date a line</source>
        <translation>la línea está en blanco; escriba una fecha por línea</translation>
    </message>
    <message>
        <source>holds no date</source>
        <translation>no contiene ninguna fecha</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, fila %2</translation>
    </message>
    <message>
        <source>a row needs two fields, a name and a date, not %1</source>
        <translation>una fila necesita dos campos, un nombre y una fecha, no %1</translation>
    </message>
    <message>
        <source>holds more than %1 persons</source>
        <translation>contiene más de %1 personas</translation>
    </message>
    <message>
        <source>holds 1 person; a group needs %2 to %3</source>
        <translation>contiene 1 persona; un grupo necesita de %2 a %3</translation>
    </message>
    <message>
        <source>holds %1 persons; a group needs %2 to %3</source>
        <translation>contiene %1 personas; un grupo necesita de %2 a %3</translation>
    </message>
    <message>
        <source>the PDF module %1 cannot be loaded (%2)</source>
        <translation>no se puede cargar el módulo PDF %1 (%2)</translation>
    </message>
    <message>
        <source>the PDF module made no PDF</source>
        <translation>el módulo PDF no generó ningún PDF</translation>
    </message>
</context>
<context>
    <name>kinmatch::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en internet y gane dinero en línea. Obtenga este software con la marca de su sitio web. Haga clic aquí para obtener más información.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Añada a este software la marca de su sitio.  Aumente la fidelidad y el tráfico de su sitio. Ponga aquí el nombre y el enlace de su sitio. Consulte «Ayuda» para más detalles.    Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Talk about all things mystic on the Quorvane Softwares forum. Click here to visit us!</source>
        <translation>Hable de todo lo místico en el foro de Quorvane Softwares. ¡Haga clic aquí para visitarnos!</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones del software</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gane dinero en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The &amp;System&apos;s Language</source>
        <translation>El idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>kind of message: title</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible para este software<byte value="xd"/>¿Desea buscar una actualización?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escriba direcciones de correo electrónico distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escriba una dirección de correo electrónico válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escriba su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escriba su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escriba el nombre de su amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de su amigo</translation>
    </message>
</context>
</TS>
