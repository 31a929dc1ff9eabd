<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CheckedFileDialog</name>
    <message>
        <source>%1
File not found.
Check the file name and try again.</source>
        <translation>%1
Arquivo não encontrado.
Verifique o nome do arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>%1
The folder does not exist.
Check the path and try again.</source>
        <translation>%1
A pasta não existe.
Verifique o caminho e tente novamente.</translation>
    </message>
    <message>
        <source>%1
This file is read-only.
Choose another file.</source>
        <translation>%1
Este arquivo é somente leitura.
Escolha outro arquivo.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>Composite</name>
    <message>
        <source>White Lunar Wind</source>
        <translation>Vento Branco Lunar</translation>
    </message>
    <message>
        <source>White Electric Wind</source>
        <translation>Vento Branco Elétrico</translation>
    </message>
    <message>
        <source>White Self-Existing Wind</source>
        <translation>Vento Branco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone Wind</source>
        <translation>Vento Branco Harmônico</translation>
    </message>
    <message>
        <source>White Rythmic Wind</source>
        <translation>Vento Branco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant Wind</source>
        <translation>Vento Branco Ressonante</translation>
    </message>
    <message>
        <source>White Galactic Wind</source>
        <translation>Vento Branco Galáctico</translation>
    </message>
    <message>
        <source>White Solar Wind</source>
        <translation>Vento Branco Solar</translation>
    </message>
    <message>
        <source>White Planetary Wind</source>
        <translation>Vento Branco Planetário</translation>
    </message>
    <message>
        <source>White Spectral Wind</source>
        <translation>Vento Branco Espectral</translation>
    </message>
    <message>
        <source>White Crystal Wind</source>
        <translation>Vento Branco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic Wind</source>
        <translation>Vento Branco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Night</source>
        <translation>Noite Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Night</source>
        <translation>Noite Azul Elétrica</translation>
    </message>
    <message>
        <source>Blue Self-Existing Night</source>
        <translation>Noite Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Night</source>
        <translation>Noite Azul Harmônica</translation>
    </message>
    <message>
        <source>Blue Rythmic Night</source>
        <translation>Noite Azul Rítmica</translation>
    </message>
    <message>
        <source>Blue Resonant Night</source>
        <translation>Noite Azul Ressonante</translation>
    </message>
    <message>
        <source>Blue Galactic Night</source>
        <translation>Noite Azul Galáctica</translation>
    </message>
    <message>
        <source>Blue Solar Night</source>
        <translation>Noite Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Night</source>
        <translation>Noite Azul Planetária</translation>
    </message>
    <message>
        <source>Blue Spectral Night</source>
        <translation>Noite Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Night</source>
        <translation>Noite Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Night</source>
        <translation>Noite Azul Cósmica</translation>
    </message>
    <message>
        <source>Yellow Lunar Seed</source>
        <translation>Semente Amarela Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Seed</source>
        <translation>Semente Amarela Elétrica</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Seed</source>
        <translation>Semente Amarela Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Seed</source>
        <translation>Semente Amarela Harmônica</translation>
    </message>
    <message>
        <source>Yellow Rythmic Seed</source>
        <translation>Semente Amarela Rítmica</translation>
    </message>
    <message>
        <source>Yellow Resonant Seed</source>
        <translation>Semente Amarela Ressonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Seed</source>
        <translation>Semente Amarela Galáctica</translation>
    </message>
    <message>
        <source>Yellow Solar Seed</source>
        <translation>Semente Amarela Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Seed</source>
        <translation>Semente Amarela Planetária</translation>
    </message>
    <message>
        <source>Yellow Spectral Seed</source>
        <translation>Semente Amarela Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Seed</source>
        <translation>Semente Amarela Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Seed</source>
        <translation>Semente Amarela Cósmica</translation>
    </message>
    <message>
        <source>Red Lunar Serpent</source>
        <translation>Serpente Vermelha Lunar</translation>
    </message>
    <message>
        <source>Red Electric Serpent</source>
        <translation>Serpente Vermelha Elétrica</translation>
    </message>
    <message>
        <source>Red Self-Existing Serpent</source>
        <translation>Serpente Vermelha Autoexistente</translation>
    </message>
    <message>
        <source>Red Overtone Serpent</source>
        <translation>Serpente Vermelha Harmônica</translation>
    </message>
    <message>
        <source>Red Rythmic Serpent</source>
        <translation>Serpente Vermelha Rítmica</translation>
    </message>
    <message>
        <source>Red Resonant Serpent</source>
        <translation>Serpente Vermelha Ressonante</translation>
    </message>
    <message>
        <source>Red Galactic Serpent</source>
        <translation>Serpente Vermelha Galáctica</translation>
    </message>
    <message>
        <source>Red Solar Serpent</source>
        <translation>Serpente Vermelha Solar</translation>
    </message>
    <message>
        <source>Red Planetary Serpent</source>
        <translation>Serpente Vermelha Planetária</translation>
    </message>
    <message>
        <source>Red Spectral Serpent</source>
        <translation>Serpente Vermelha Espectral</translation>
    </message>
    <message>
        <source>Red Crystal Serpent</source>
        <translation>Serpente Vermelha Cristal</translation>
    </message>
    <message>
        <source>Red Cosmic Serpent</source>
        <translation>Serpente Vermelha Cósmica</translation>
    </message>
    <message>
        <source>White Lunar WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Lunar</translation>
    </message>
    <message>
        <source>White Electric WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Elétrico</translation>
    </message>
    <message>
        <source>White Self-Existing WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Harmônico</translation>
    </message>
    <message>
        <source>White Rythmic WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Ressonante</translation>
    </message>
    <message>
        <source>White Galactic WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Galáctico</translation>
    </message>
    <message>
        <source>White Solar WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Solar</translation>
    </message>
    <message>
        <source>White Planetary WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Planetário</translation>
    </message>
    <message>
        <source>White Spectral WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Espectral</translation>
    </message>
    <message>
        <source>White Crystal WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic WorldBridger</source>
        <translation>Enlaçador de Mundos Branco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Hand</source>
        <translation>Mão Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Hand</source>
        <translation>Mão Azul Elétrica</translation>
    </message>
    <message>
        <source>Blue Self-Existing Hand</source>
        <translation>Mão Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Hand</source>
        <translation>Mão Azul Harmônica</translation>
    </message>
    <message>
        <source>Blue Rythmic Hand</source>
        <translation>Mão Azul Rítmica</translation>
    </message>
    <message>
        <source>Blue Resonant Hand</source>
        <translation>Mão Azul Ressonante</translation>
    </message>
    <message>
        <source>Blue Galactic Hand</source>
        <translation>Mão Azul Galáctica</translation>
    </message>
    <message>
        <source>Blue Solar Hand</source>
        <translation>Mão Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Hand</source>
        <translation>Mão Azul Planetária</translation>
    </message>
    <message>
        <source>Blue Spectral Hand</source>
        <translation>Mão Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Hand</source>
        <translation>Mão Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Hand</source>
        <translation>Mão Azul Cósmica</translation>
    </message>
    <message>
        <source>Yellow Lunar Star</source>
        <translation>Estrela Amarela Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Star</source>
        <translation>Estrela Amarela Elétrica</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Star</source>
        <translation>Estrela Amarela Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Star</source>
        <translation>Estrela Amarela Harmônica</translation>
    </message>
    <message>
        <source>Yellow Rythmic Star</source>
        <translation>Estrela Amarela Rítmica</translation>
    </message>
    <message>
        <source>Yellow Resonant Star</source>
        <translation>Estrela Amarela Ressonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Star</source>
        <translation>Estrela Amarela Galáctica</translation>
    </message>
    <message>
        <source>Yellow Solar Star</source>
        <translation>Estrela Amarela Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Star</source>
        <translation>Estrela Amarela Planetária</translation>
    </message>
    <message>
        <source>Yellow Spectral Star</source>
        <translation>Estrela Amarela Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Star</source>
        <translation>Estrela Amarela Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Star</source>
        <translation>Estrela Amarela Cósmica</translation>
    </message>
    <message>
        <source>Red Lunar Moon</source>
        <translation>Lua Vermelha Lunar</translation>
    </message>
    <message>
        <source>Red Electric Moon</source>
        <translation>Lua Vermelha Elétrica</translation>
    </message>
    <message>
        <source>Red Self-Existing Moon</source>
        <translation>Lua Vermelha Autoexistente</translation>
    </message>
    <message>
        <source>Red Overtone Moon</source>
        <translation>Lua Vermelha Harmônica</translation>
    </message>
    <message>
        <source>Red Rythmic Moon</source>
        <translation>Lua Vermelha Rítmica</translation>
    </message>
    <message>
        <source>Red Resonant Moon</source>
        <translation>Lua Vermelha Ressonante</translation>
    </message>
    <message>
        <source>Red Galactic Moon</source>
        <translation>Lua Vermelha Galáctica</translation>
    </message>
    <message>
        <source>Red Solar Moon</source>
        <translation>Lua Vermelha Solar</translation>
    </message>
    <message>
        <source>Red Planetary Moon</source>
        <translation>Lua Vermelha Planetária</translation>
    </message>
    <message>
        <source>Red Spectral Moon</source>
        <translation>Lua Vermelha Espectral</translation>
    </message>
    <message>
        <source>Red Crystal Moon</source>
        <translation>Lua Vermelha Cristal</translation>
    </message>
    <message>
        <source>Red Cosmic Moon</source>
        <translation>Lua Vermelha Cósmica</translation>
    </message>
    <message>
        <source>White Lunar Dog</source>
        <translation>Cachorro Branco Lunar</translation>
    </message>
    <message>
        <source>White Electric Dog</source>
        <translation>Cachorro Branco Elétrico</translation>
    </message>
    <message>
        <source>White Self-Existing Dog</source>
        <translation>Cachorro Branco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone Dog</source>
        <translation>Cachorro Branco Harmônico</translation>
    </message>
    <message>
        <source>White Rythmic Dog</source>
        <translation>Cachorro Branco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant Dog</source>
        <translation>Cachorro Branco Ressonante</translation>
    </message>
    <message>
        <source>White Galactic Dog</source>
        <translation>Cachorro Branco Galáctico</translation>
    </message>
    <message>
        <source>White Solar Dog</source>
        <translation>Cachorro Branco Solar</translation>
    </message>
    <message>
        <source>White Planetary Dog</source>
        <translation>Cachorro Branco Planetário</translation>
    </message>
    <message>
        <source>White Spectral Dog</source>
        <translation>Cachorro Branco Espectral</translation>
    </message>
    <message>
        <source>White Crystal Dog</source>
        <translation>Cachorro Branco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic Dog</source>
        <translation>Cachorro Branco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Monkey</source>
        <translation>Macaco Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Monkey</source>
        <translation>Macaco Azul Elétrico</translation>
    </message>
    <message>
        <source>Blue Self-Existing Monkey</source>
        <translation>Macaco Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Monkey</source>
        <translation>Macaco Azul Harmônico</translation>
    </message>
    <message>
        <source>Blue Rythmic Monkey</source>
        <translation>Macaco Azul Rítmico</translation>
    </message>
    <message>
        <source>Blue Resonant Monkey</source>
        <translation>Macaco Azul Ressonante</translation>
    </message>
    <message>
        <source>Blue Galactic Monkey</source>
        <translation>Macaco Azul Galáctico</translation>
    </message>
    <message>
        <source>Blue Solar Monkey</source>
        <translation>Macaco Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Monkey</source>
        <translation>Macaco Azul Planetário</translation>
    </message>
    <message>
        <source>Blue Spectral Monkey</source>
        <translation>Macaco Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Monkey</source>
        <translation>Macaco Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Monkey</source>
        <translation>Macaco Azul Cósmico</translation>
    </message>
    <message>
        <source>Yellow Lunar Human</source>
        <translation>Humano Amarelo Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Human</source>
        <translation>Humano Amarelo Elétrico</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Human</source>
        <translation>Humano Amarelo Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Human</source>
        <translation>Humano Amarelo Harmônico</translation>
    </message>
    <message>
        <source>Yellow Rythmic Human</source>
        <translation>Humano Amarelo Rítmico</translation>
    </message>
    <message>
        <source>Yellow Resonant Human</source>
        <translation>Humano Amarelo Ressonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Human</source>
        <translation>Humano Amarelo Galáctico</translation>
    </message>
    <message>
        <source>Yellow Solar Human</source>
        <translation>Humano Amarelo Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Human</source>
        <translation>Humano Amarelo Planetário</translation>
    </message>
    <message>
        <source>Yellow Spectral Human</source>
        <translation>Humano Amarelo Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Human</source>
        <translation>Humano Amarelo Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Human</source>
        <translation>Humano Amarelo Cósmico</translation>
    </message>
    <message>
        <source>Red Lunar Skywalker</source>
        <translation>Caminhante do Céu Vermelho Lunar</translation>
    </message>
    <message>
        <source>Red Electric Skywalker</source>
        <translation>Caminhante do Céu Vermelho Elétrico</translation>
    </message>
    <message>
        <source>Red Self-Existing Skywalker</source>
        <translation>Caminhante do Céu Vermelho Autoexistente</translation>
    </message>
    <message>
        <source>Red Overtone Skywalker</source>
        <translation>Caminhante do Céu Vermelho Harmônico</translation>
    </message>
    <message>
        <source>Red Rythmic Skywalker</source>
        <translation>Caminhante do Céu Vermelho Rítmico</translation>
    </message>
    <message>
        <source>Red Resonant Skywalker</source>
        <translation>Caminhante do Céu Vermelho Ressonante</translation>
    </message>
    <message>
        <source>Red Galactic Skywalker</source>
        <translation>Caminhante do Céu Vermelho Galáctico</translation>
    </message>
    <message>
        <source>Red Solar Skywalker</source>
        <translation>Caminhante do Céu Vermelho Solar</translation>
    </message>
    <message>
        <source>Red Planetary Skywalker</source>
        <translation>Caminhante do Céu Vermelho Planetário</translation>
    </message>
    <message>
        <source>Red Spectral Skywalker</source>
        <translation>Caminhante do Céu Vermelho Espectral</translation>
    </message>
    <message>
        <source>Red Crystal Skywalker</source>
        <translation>Caminhante do Céu Vermelho Cristal</translation>
    </message>
    <message>
        <source>Red Cosmic Skywalker</source>
        <translation>Caminhante do Céu Vermelho Cósmico</translation>
    </message>
    <message>
        <source>White Lunar Wizard</source>
        <translation>Mago Branco Lunar</translation>
    </message>
    <message>
        <source>White Electric Wizard</source>
        <translation>Mago Branco Elétrico</translation>
    </message>
    <message>
        <source>White Self-Existing Wizard</source>
        <translation>Mago Branco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone Wizard</source>
        <translation>Mago Branco Harmônico</translation>
    </message>
    <message>
        <source>White Rythmic Wizard</source>
        <translation>Mago Branco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant Wizard</source>
        <translation>Mago Branco Ressonante</translation>
    </message>
    <message>
        <source>White Galactic Wizard</source>
        <translation>Mago Branco Galáctico</translation>
    </message>
    <message>
        <source>White Solar Wizard</source>
        <translation>Mago Branco Solar</translation>
    </message>
    <message>
        <source>White Planetary Wizard</source>
        <translation>Mago Branco Planetário</translation>
    </message>
    <message>
        <source>White Spectral Wizard</source>
        <translation>Mago Branco Espectral</translation>
    </message>
    <message>
        <source>White Crystal Wizard</source>
        <translation>Mago Branco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic Wizard</source>
        <translation>Mago Branco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Eagle</source>
        <translation>Águia Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Eagle</source>
        <translation>Águia Azul Elétrica</translation>
    </message>
    <message>
        <source>Blue Self-Existing Eagle</source>
        <translation>Águia Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Eagle</source>
        <translation>Águia Azul Harmônica</translation>
    </message>
    <message>
        <source>Blue Rythmic Eagle</source>
        <translation>Águia Azul Rítmica</translation>
    </message>
    <message>
        <source>Blue Resonant Eagle</source>
        <translation>Águia Azul Ressonante</translation>
    </message>
    <message>
        <source>Blue Galactic Eagle</source>
        <translation>Águia Azul Galáctica</translation>
    </message>
    <message>
        <source>Blue Solar Eagle</source>
        <translation>Águia Azul Solar</translation>
    </message>
    <message>
        <source>Blue Planetary Eagle</source>
        <translation>Águia Azul Planetária</translation>
    </message>
    <message>
        <source>Blue Spectral Eagle</source>
        <translation>Águia Azul Espectral</translation>
    </message>
    <message>
        <source>Blue Crystal Eagle</source>
        <translation>Águia Azul Cristal</translation>
    </message>
    <message>
        <source>Blue Cosmic Eagle</source>
        <translation>Águia Azul Cósmica</translation>
    </message>
    <message>
        <source>Yellow Lunar Warrior</source>
        <translation>Guerreiro Amarelo Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Warrior</source>
        <translation>Guerreiro Amarelo Elétrico</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Warrior</source>
        <translation>Guerreiro Amarelo Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Warrior</source>
        <translation>Guerreiro Amarelo Harmônico</translation>
    </message>
    <message>
        <source>Yellow Rythmic Warrior</source>
        <translation>Guerreiro Amarelo Rítmico</translation>
    </message>
    <message>
        <source>Yellow Resonant Warrior</source>
        <translation>Guerreiro Amarelo Ressonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Warrior</source>
        <translation>Guerreiro Amarelo Galáctico</translation>
    </message>
    <message>
        <source>Yellow Solar Warrior</source>
        <translation>Guerreiro Amarelo Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Warrior</source>
        <translation>Guerreiro Amarelo Planetário</translation>
    </message>
    <message>
        <source>Yellow Spectral Warrior</source>
        <translation>Guerreiro Amarelo Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Warrior</source>
        <translation>Guerreiro Amarelo Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Warrior</source>
        <translation>Guerreiro Amarelo Cósmico</translation>
    </message>
    <message>
        <source>Red Lunar Earth</source>
        <translation>Terra Vermelha Lunar</translation>
    </message>
    <message>
        <source>Red Electric Earth</source>
        <translation>Terra Vermelha Elétrica</translation>
    </message>
    <message>
        <source>Red Self-Existing Earth</source>
        <translation>Terra Vermelha Autoexistente</translation>
    </message>
    <message>
        <source>Red Overtone Earth</source>
        <translation>Terra Vermelha Harmônica</translation>
    </message>
    <message>
        <source>Red Rythmic Earth</source>
        <translation>Terra Vermelha Rítmica</translation>
    </message>
    <message>
        <source>Red Resonant Earth</source>
        <translation>Terra Vermelha Ressonante</translation>
    </message>
    <message>
        <source>Red Galactic Earth</source>
        <translation>Terra Vermelha Galáctica</translation>
    </message>
    <message>
        <source>Red Solar Earth</source>
        <translation>Terra Vermelha Solar</translation>
    </message>
    <message>
        <source>Red Planetary Earth</source>
        <translation>Terra Vermelha Planetária</translation>
    </message>
    <message>
        <source>Red Spectral Earth</source>
        <translation>Terra Vermelha Espectral</translation>
    </message>
    <message>
        <source>Red Crystal Earth</source>
        <translation>Terra Vermelha Cristal</translation>
    </message>
    <message>
        <source>Red Cosmic Earth</source>
        <translation>Terra Vermelha Cósmica</translation>
    </message>
    <message>
        <source>White Lunar Mirror</source>
        <translation>Espelho Branco Lunar</translation>
    </message>
    <message>
        <source>White Electric Mirror</source>
        <translation>Espelho Branco Elétrico</translation>
    </message>
    <message>
        <source>White Self-Existing Mirror</source>
        <translation>Espelho Branco Autoexistente</translation>
    </message>
    <message>
        <source>White Overtone Mirror</source>
        <translation>Espelho Branco Harmônico</translation>
    </message>
    <message>
        <source>White Rythmic Mirror</source>
        <translation>Espelho Branco Rítmico</translation>
    </message>
    <message>
        <source>White Resonant Mirror</source>
        <translation>Espelho Branco Ressonante</translation>
    </message>
    <message>
        <source>White Galactic Mirror</source>
        <translation>Espelho Branco Galáctico</translation>
    </message>
    <message>
        <source>White Solar Mirror</source>
        <translation>Espelho Branco Solar</translation>
    </message>
    <message>
        <source>White Planetary Mirror</source>
        <translation>Espelho Branco Planetário</translation>
    </message>
    <message>
        <source>White Spectral Mirror</source>
        <translation>Espelho Branco Espectral</translation>
    </message>
    <message>
        <source>White Crystal Mirror</source>
        <translation>Espelho Branco Cristal</translation>
    </message>
    <message>
        <source>White Cosmic Mirror</source>
        <translation>Espelho Branco Cósmico</translation>
    </message>
    <message>
        <source>Blue Lunar Storm</source>
        <translation>Tormenta Azul Lunar</translation>
    </message>
    <message>
        <source>Blue Electric Storm</source>
        <translation>Tormenta Azul Elétrica</translation>
    </message>
    <message>
        <source>Blue Self-Existing Storm</source>
        <translation>Tormenta Azul Autoexistente</translation>
    </message>
    <message>
        <source>Blue Overtone Storm</source>
        <translation>Tormenta Azul Harmônica</translation>
    </message>
    <message>
        <source>Blue Rythmic Storm</source>
        <translation>Tormenta Azul Rítmica</translation>
    </message>
    <message>
        <source>Blue Resonant Storm</source>
        <translation>Tormenta Azul Ressonante</translation>
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
        <translation>Tormenta Azul Planetária</translation>
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
        <translation>Sol Amarelo Lunar</translation>
    </message>
    <message>
        <source>Yellow Electric Sun</source>
        <translation>Sol Amarelo Elétrico</translation>
    </message>
    <message>
        <source>Yellow Self-Existing Sun</source>
        <translation>Sol Amarelo Autoexistente</translation>
    </message>
    <message>
        <source>Yellow Overtone Sun</source>
        <translation>Sol Amarelo Harmônico</translation>
    </message>
    <message>
        <source>Yellow Rythmic Sun</source>
        <translation>Sol Amarelo Rítmico</translation>
    </message>
    <message>
        <source>Yellow Resonant Sun</source>
        <translation>Sol Amarelo Ressonante</translation>
    </message>
    <message>
        <source>Yellow Galactic Sun</source>
        <translation>Sol Amarelo Galáctico</translation>
    </message>
    <message>
        <source>Yellow Solar Sun</source>
        <translation>Sol Amarelo Solar</translation>
    </message>
    <message>
        <source>Yellow Planetary Sun</source>
        <translation>Sol Amarelo Planetário</translation>
    </message>
    <message>
        <source>Yellow Spectral Sun</source>
        <translation>Sol Amarelo Espectral</translation>
    </message>
    <message>
        <source>Yellow Crystal Sun</source>
        <translation>Sol Amarelo Cristal</translation>
    </message>
    <message>
        <source>Yellow Cosmic Sun</source>
        <translation>Sol Amarelo Cósmico</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quote that is never closed</source>
        <translation>aspas abertas que nunca se fecham</translation>
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
        <translation>%1 de %2 não tem dia %3</translation>
    </message>
</context>
<context>
    <name>Documents</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Together</source>
        <translation>Juntos</translation>
    </message>
    <message>
        <source>Seal %1, %2; tone %3, %4</source>
        <translation>Selo %1, %2; tom %3, %4</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>The pairs: persons %1 to %2 across</source>
        <translation>Os pares: pessoas %1 a %2 nas colunas</translation>
    </message>
    <message>
        <source>%1 (%2): 1 pair</source>
        <translation>%1 (%2): 1 par</translation>
    </message>
    <message>
        <source>%1 (%2): %3 pairs</source>
        <translation>%1 (%2): %3 pares</translation>
    </message>
    <message>
        <source>A group of %1</source>
        <translation>Um grupo de %1</translation>
    </message>
    <message>
        <source>Each cell of the matrix is the composite of the persons of its row and its column: the seal&apos;s number and colour, then the tone, so that %1 is seal %2, %3, with tone %4, %5: %6. The persons are numbered as listed below.</source>
        <translation>Cada célula da matriz é o composto das pessoas da sua linha e da sua coluna: o número e a cor do selo e, depois, o tom; assim, %1 é o selo %2, %3, com o tom %4, %5: %6. As pessoas estão numeradas conforme a lista abaixo.</translation>
    </message>
    <message>
        <source>Kinmatch: %1 and %2</source>
        <translation>Kinmatch: %1 e %2</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>A Mayan astrology compatibility reading</source>
        <translation>Uma leitura de compatibilidade na astrologia maia</translation>
    </message>
    <message>
        <source>Kinmatch: a group of %1</source>
        <translation>Kinmatch: um grupo de %1</translation>
    </message>
    <message>
        <source>Mayan astrology compatibility of every pair</source>
        <translation>Compatibilidade de cada par na astrologia maia</translation>
    </message>
    <message>
        <source>The persons</source>
        <translation>As pessoas</translation>
    </message>
    <message>
        <source>The pairs</source>
        <translation>Os pares</translation>
    </message>
    <message>
        <source>The pairs by composite</source>
        <translation>Os pares por composto</translation>
    </message>
    <message>
        <source>A group of more than %1 is too large for a matrix on a screen: its pairs are listed here by their composite, by the persons&apos; numbers (&quot;1: 5, 17&quot; is person 1 with 5 and with 17). Every pair&apos;s composite, one a row, is in the CSV form (kinmatch-cli group FILE.csv --csv), and the whole matrix on paper in the PDF form (--pdf).</source>
        <translation>Um grupo de mais de %1 pessoas é grande demais para uma matriz na tela: seus pares estão listados aqui por composto, pelos números das pessoas (&quot;1: 5, 17&quot; é a pessoa 1 com a 5 e com a 17). O composto de cada par, um por linha, está na forma CSV (kinmatch-cli group FILE.csv --csv), e a matriz completa, em papel, na forma PDF (--pdf).</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Selo</translation>
    </message>
    <message>
        <source>Colour and sign</source>
        <translation>Cor e signo</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tom</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É um diretório</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Não é um diretório</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há espaço disponível no dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de arquivos somente para leitura</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cota de disco excedida</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome de arquivo muito longo</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erro de entrada/saída</translation>
    </message>
    <message>
        <source>The file is in use by another program</source>
        <translation>O arquivo está sendo usado por outro programa</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>not a regular file, a pipe or a terminal</source>
        <translation>não é um arquivo comum, um pipe nem um terminal</translation>
    </message>
</context>
<context>
    <name>Group</name>
    <message>
        <source>%1 and %2: %3</source>
        <translation>%1 e %2: %3</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of your language in itself, as the Language menu offers it: &quot;Español&quot;.</extracomment>
        <translation>Português (Brasil)</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilidade</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>Your partner</source>
        <translation>Seu par</translation>
    </message>
    <message>
        <source>%1 (seal %2, tone %3)</source>
        <translation>%1 (selo %2, tom %3)</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
</context>
<context>
    <name>NumberTable</name>
    <message>
        <source>Power and great force; the beginning of all new things. One is the number of unity and purpose. People born under it are initiators who attract what they need and start what others only dream of. They are independent and determined, with the drive to lead. They must take care not to become self-centred or to start more than they can finish.</source>
        <translation>Poder e grande força; o começo de todas as coisas novas. O um é o número da unidade e do propósito. As pessoas nascidas sob ele são iniciadoras: atraem aquilo de que precisam e começam o que os outros apenas sonham. São independentes e determinadas, com ímpeto para liderar. Precisam cuidar para não se tornarem egocêntricas nem começarem mais do que conseguem terminar.</translation>
    </message>
    <message>
        <source>Balance. Two is the number of polarity, of day and night and of the partnership that joins opposites. People born under it are diplomatic, sensitive and cooperative; they understand both sides of a question and help others meet in the middle. They can be torn by doubt and must learn to choose.</source>
        <translation>Equilíbrio. O dois é o número da polaridade, do dia e da noite e da parceria que une os opostos. As pessoas nascidas sob ele são diplomáticas, sensíveis e cooperativas; entendem os dois lados de uma questão e ajudam os outros a chegar a um meio-termo. Podem ficar divididas pela dúvida e precisam aprender a escolher.</translation>
    </message>
    <message>
        <source>Versatile and communicative. Three is the number of rhythm and of movement. People born under it express themselves easily, in words, in art or in service, and they bring energy to every group they join. They are quick and adaptable, but they can scatter their efforts and must learn to see one thing through.</source>
        <translation>Versátil e comunicativo. O três é o número do ritmo e do movimento. As pessoas nascidas sob ele se expressam com facilidade, em palavras, na arte ou no serviço, e levam energia a todo grupo de que participam. São ágeis e adaptáveis, mas podem dispersar seus esforços e precisam aprender a levar uma coisa até o fim.</translation>
    </message>
    <message>
        <source>Balance again, now in the four elements and the four directions. Four is the number of stability and form. People born under it are steady, practical and reliable builders who give structure to ideas and keep their promises. They can be rigid and must remember that even the firmest house needs doors and windows.</source>
        <translation>Equilíbrio outra vez, agora nos quatro elementos e nas quatro direções. O quatro é o número da estabilidade e da forma. As pessoas nascidas sob ele são construtoras firmes, práticas e confiáveis, que dão estrutura às ideias e cumprem suas promessas. Podem ser rígidas e devem lembrar que até a casa mais sólida precisa de portas e janelas.</translation>
    </message>
    <message>
        <source>The elevation of all creation. Five is the number of the centre and of radiance. People born under it are confident, energetic and able to command; they empower those around them and raise the spirit of any enterprise. They must guard against pride and the wish to control.</source>
        <translation>A elevação de toda a criação. O cinco é o número do centro e da irradiação. As pessoas nascidas sob ele são confiantes, enérgicas e capazes de comandar; fortalecem quem está à sua volta e elevam o ânimo de qualquer empreitada. Devem se precaver contra o orgulho e o desejo de controlar.</translation>
    </message>
    <message>
        <source>Imbalance, the restless movement that drives growth. Six is the number of flow and of organic balance sought again and again. People born under it are dynamic and adaptable; they move easily through change and keep life in motion. They can be unsettled or indecisive and need a rhythm of their own.</source>
        <translation>Desequilíbrio, o movimento inquieto que impulsiona o crescimento. O seis é o número do fluxo e do equilíbrio orgânico, buscado sempre de novo. As pessoas nascidas sob ele são dinâmicas e adaptáveis; atravessam as mudanças com facilidade e mantêm a vida em movimento. Podem ser instáveis ou indecisas e precisam de um ritmo próprio.</translation>
    </message>
    <message>
        <source>Energy to catalyze. Seven is the number of the mystic, of attunement and of reflection. People born under it are spiritual and perceptive; they sense hidden connections and awaken others to new possibilities. They may withdraw into their inner world and must remember to share what they see.</source>
        <translation>Energia para catalisar. O sete é o número do místico, da sintonia e da reflexão. As pessoas nascidas sob ele são espirituais e perceptivas; sentem conexões ocultas e despertam os outros para novas possibilidades. Podem se recolher em seu mundo interior e precisam lembrar de compartilhar o que veem.</translation>
    </message>
    <message>
        <source>Male authority: integrity, order and the power to manage. Eight is the number of harmony and justice. People born under it are strong, fair and capable of carrying great responsibility. They inspire trust. They can be domineering or stubborn, and they must learn that true authority listens as well as commands.</source>
        <translation>Autoridade masculina: integridade, ordem e o poder de administrar. O oito é o número da harmonia e da justiça. As pessoas nascidas sob ele são fortes, justas e capazes de assumir grandes responsabilidades. Inspiram confiança. Podem ser dominadoras ou teimosas e precisam aprender que a verdadeira autoridade sabe ouvir tanto quanto mandar.</translation>
    </message>
    <message>
        <source>Female authority: intuition, patience and the power to nurture. Nine is the number of completion and of intention. People born under it are wise, compassionate and persistent; they see large patterns and bring long projects to fruition. They may carry too much for others and must learn to let go.</source>
        <translation>Autoridade feminina: intuição, paciência e o poder de nutrir. O nove é o número da conclusão e da intenção. As pessoas nascidas sob ele são sábias, compassivas e persistentes; enxergam os grandes padrões e levam projetos longos a bom termo. Podem carregar fardos demais pelos outros e precisam aprender a desapegar.</translation>
    </message>
    <message>
        <source>Creativity. Ten is the number of manifestation, where intention becomes form. People born under it are inventive, productive and able to turn ideas into things that last. They are often gifted in the arts and in business. They can be perfectionists and must accept that finished is better than perfect.</source>
        <translation>Criatividade. O dez é o número da manifestação, em que a intenção se torna forma. As pessoas nascidas sob ele são inventivas, produtivas e capazes de transformar ideias em coisas duradouras. Muitas vezes têm talento para as artes e para os negócios. Podem ser perfeccionistas e precisam aceitar que o feito é melhor que o perfeito.</translation>
    </message>
    <message>
        <source>Resolution: the power to dissolve what no longer serves. Eleven is the number of release and liberation. People born under it are independent thinkers who challenge old forms and solve problems others cannot. They can be rebellious or restless and must use their gift to build as well as to break.</source>
        <translation>Resolução: o poder de dissolver o que já não serve. O onze é o número do desprendimento e da libertação. As pessoas nascidas sob ele pensam com independência, desafiam formas antigas e resolvem problemas que outros não conseguem. Podem ser rebeldes ou inquietas e devem usar seu dom tanto para construir quanto para romper.</translation>
    </message>
    <message>
        <source>Strong and abundant energy, shared with others. Twelve is the number of cooperation and universal understanding. People born under it are generous and wise and gather others around a common cause. They learn from experience and teach what they have learned. They must avoid spreading themselves too thin.</source>
        <translation>Energia forte e abundante, compartilhada com os outros. O doze é o número da cooperação e da compreensão universal. As pessoas nascidas sob ele são generosas e sábias e reúnem os outros em torno de uma causa comum. Aprendem com a experiência e ensinam o que aprenderam. Devem evitar se dividir entre coisas demais.</translation>
    </message>
    <message>
        <source>Realization: the completion of the cycle and the presence of the whole. Thirteen is the number of transcendence and endurance. People born under it are strong, visionary and able to bring great undertakings to their end. They may feel apart from others and must remember that every ending opens a new beginning.</source>
        <translation>Realização: o fechamento do ciclo e a presença do todo. O treze é o número da transcendência e da perseverança. As pessoas nascidas sob ele são fortes, visionárias e capazes de levar grandes empreendimentos até o fim. Podem se sentir à parte dos outros e devem lembrar que todo fim abre um novo começo.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>The page could not be opened in a web browser. Its address, to copy into one:

%1</source>
        <translation>Não foi possível abrir a página em um navegador. Este é o endereço dela, para copiar e colar em um navegador:

%1</translation>
    </message>
    <message>
        <source>Nothing was printed: %1</source>
        <translation>Nada foi impresso: %1</translation>
    </message>
    <message>
        <source>Kinmatch report</source>
        <translation>Relatório do Kinmatch</translation>
    </message>
    <message>
        <source>there is no default printer.</source>
        <translation>não há uma impressora padrão.</translation>
    </message>
    <message>
        <source>the printer %1 refused the report.</source>
        <translation>a impressora %1 recusou o relatório.</translation>
    </message>
    <message>
        <source>the print system&apos;s client (lp, of CUPS) is not installed.</source>
        <translation>o cliente do sistema de impressão (lp, do CUPS) não está instalado.</translation>
    </message>
    <message>
        <source>the print system refused the report.</source>
        <translation>o sistema de impressão recusou o relatório.</translation>
    </message>
    <message>
        <source>the print system&apos;s client could not be started.</source>
        <translation>não foi possível iniciar o cliente do sistema de impressão.</translation>
    </message>
    <message>
        <source>the print system did not answer within %1 seconds.</source>
        <translation>o sistema de impressão não respondeu em %1 segundos.</translation>
    </message>
</context>
<context>
    <name>ReadingFields</name>
    <message>
        <source>Date of birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Place in count</source>
        <translation>Posição na contagem</translation>
    </message>
    <message>
        <source>%1 of 260</source>
        <translation>%1 de 260</translation>
    </message>
    <message>
        <source>Day sign</source>
        <translation>Signo do dia</translation>
    </message>
    <message>
        <source>Galactic tone</source>
        <translation>Tom galáctico</translation>
    </message>
    <message>
        <source>Sign name</source>
        <translation>Nome do signo</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Nome em português</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Pedra</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>The galactic tone</source>
        <translation>O tom galáctico</translation>
    </message>
    <message>
        <source>The day sign</source>
        <translation>O signo do dia</translation>
    </message>
    <message>
        <source>Famous people</source>
        <translation>Pessoas famosas</translation>
    </message>
    <message>
        <source>%1, tone %2</source>
        <extracomment>A person&apos;s sign and tone in a few words: &quot;Dog, tone 9&quot;.</extracomment>
        <translation>%1, tom %2</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>not a reading file (it holds no name)</source>
        <translation>não é um arquivo de leitura (não contém nenhum nome)</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>o nome tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>not a reading file (no year 1900..2016 in line 2)</source>
        <translation>não é um arquivo de leitura (sem ano 1900..2016 na linha 2)</translation>
    </message>
    <message>
        <source>not a reading file (no month name in line 3)</source>
        <translation>não é um arquivo de leitura (sem nome de mês na linha 3)</translation>
    </message>
    <message>
        <source>not a reading file (no day 1..31 in line 4)</source>
        <translation>não é um arquivo de leitura (sem dia 1..31 na linha 4)</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report Generated By %1</source>
        <translation>Relatório gerado por %1</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Data de nascimento: </translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation>Número maia do dia / Tom galáctico</translation>
    </message>
    <message>
        <source>Mayan Number: </source>
        <translation>Número maia: </translation>
    </message>
    <message>
        <source>Mayan Day Number&apos;s Description: </source>
        <translation>Descrição do número maia do dia: </translation>
    </message>
    <message>
        <source>Mayan Day Signs</source>
        <translation>Signos maias do dia</translation>
    </message>
    <message>
        <source>Mayan Day Sign: </source>
        <translation>Signo maia do dia: </translation>
    </message>
    <message>
        <source>Mayan Gemstone: </source>
        <translation>Pedra maia: </translation>
    </message>
    <message>
        <source>Mayan Keywords: </source>
        <translation>Palavras-chave maias: </translation>
    </message>
    <message>
        <source>Mayan Significance: </source>
        <translation>Significado maia: </translation>
    </message>
    <message>
        <source>Mayan Day Sign&apos;s Description: </source>
        <translation>Descrição do signo maia do dia: </translation>
    </message>
    <message>
        <source>Other Mayan Details</source>
        <translation>Outros detalhes maias</translation>
    </message>
    <message>
        <source>Mayan English Name: </source>
        <extracomment>The sign&apos;s name in the reader&apos;s own language (&quot;Monkey&quot;, &quot;Mono&quot;).</extracomment>
        <translation>Nome do signo em português: </translation>
    </message>
    <message>
        <source>Famous Personalities born under this sign: </source>
        <translation>Personalidades famosas nascidas sob este signo: </translation>
    </message>
    <message>
        <source>Kinmatch report</source>
        <translation>Relatório do Kinmatch</translation>
    </message>
</context>
<context>
    <name>SealTable</name>
    <message>
        <source>Red Dragon</source>
        <translation>Dragão Vermelho</translation>
    </message>
    <message>
        <source>Together you stand under the Red Dragon, the first glyph of the birth chart and the seal of birth, nurture and new beginnings. Red Dragon days belong to people who protect and feed what they love, and as a couple you share that instinct: you build a home, a project or a family with great energy and loyalty. Your bond draws on deep, old strength, like the primal waters from which life first rose. Trust comes naturally to you once it is earned. The challenge of the Red Dragon is the wish to control: take turns at leading, let each other grow, and your partnership will be a source of life for everyone around you.</source>
        <translation>Juntos, vocês estão sob o Dragão Vermelho, o primeiro glifo do mapa natal e o selo do nascimento, da nutrição e dos novos começos. Os dias de Dragão Vermelho pertencem a quem protege e alimenta o que ama, e vocês compartilham esse instinto: constroem um lar, um projeto ou uma família com muita energia e lealdade. O vínculo de vocês bebe de uma força antiga e profunda, como as águas primordiais de onde a vida surgiu. Depois de conquistada, a confiança flui naturalmente entre vocês. O desafio do Dragão Vermelho é o desejo de controlar: revezem-se na liderança, deixem que cada um cresça, e a parceria de vocês será uma fonte de vida para todos ao redor.</translation>
    </message>
    <message>
        <source>White Wind</source>
        <translation>Vento Branco</translation>
    </message>
    <message>
        <source>Your composite seal is the White Wind, the second glyph of the birth chart and the seal of spirit, breath and communication. White Wind days favour people who speak their truth and inspire others with their ideas, and together you are a lively, talkative pair who never run out of things to say. Your relationship thrives on honesty, shared dreams and movement: travel, music and conversation keep it fresh. You carry each other&apos;s words far. The challenge of the White Wind is changeability: moods can shift quickly between you. Listen as well as you speak, say what you feel before it becomes a storm, and your bond will be as refreshing as a summer breeze.</source>
        <translation>O selo composto de vocês é o Vento Branco, o segundo glifo do mapa natal e o selo do espírito, do sopro e da comunicação. Os dias de Vento Branco favorecem quem fala a sua verdade e inspira os outros com suas ideias, e vocês formam uma dupla animada e falante, que nunca fica sem assunto. A relação prospera com honestidade, sonhos em comum e movimento: viagens, música e conversa a mantêm sempre renovada. Um leva longe as palavras do outro. O desafio do Vento Branco é a inconstância: o humor entre vocês pode mudar depressa. Escutem tanto quanto falam, digam o que sentem antes que vire tempestade, e o vínculo de vocês será refrescante como uma brisa de verão.</translation>
    </message>
    <message>
        <source>Blue Night</source>
        <translation>Noite Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Night, the third glyph of the birth chart and the seal of dreams, intuition and the inner world. Blue Night days belong to people who seek security and abundance and who trust the quiet voice within. As a couple you create a private sanctuary where both of you can rest, dream and be yourselves. You understand each other without many words, and you share a rich imagination. The challenge of the Blue Night is withdrawal: fear or silence can settle between you when something goes unsaid. Bring your worries into the light, share your dreams aloud, and the treasure hidden in your partnership will keep growing.</source>
        <translation>O selo composto de vocês é a Noite Azul, o terceiro glifo do mapa natal e o selo dos sonhos, da intuição e do mundo interior. Os dias de Noite Azul pertencem a quem busca segurança e abundância e confia na voz serena que vem de dentro. Como casal, vocês criam um refúgio íntimo onde ambos podem descansar, sonhar e ser quem são. Vocês se entendem sem muitas palavras e compartilham uma imaginação rica. O desafio da Noite Azul é o retraimento: o medo ou o silêncio podem se instalar entre vocês quando algo fica por dizer. Tragam as preocupações à luz, compartilhem seus sonhos em voz alta, e o tesouro escondido na parceria de vocês continuará crescendo.</translation>
    </message>
    <message>
        <source>Yellow Seed</source>
        <translation>Semente Amarela</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Seed, the fourth glyph of the birth chart and the seal of growth, fertility and potential. Yellow Seed days favour people who plant with care and wait for the harvest, and together you have a gift for making things flourish: a garden, a business, a family or a shared ideal. Your relationship starts small and grows strong roots. You bring out each other&apos;s talents, and your energy together is warm and attractive. The challenge of the Yellow Seed is impatience: not every seed sprouts at once. Tend your bond daily, give each other room to grow in your own directions, and you will reap a rich and lasting harvest.</source>
        <translation>O selo composto de vocês é a Semente Amarela, o quarto glifo do mapa natal e o selo do crescimento, da fertilidade e do potencial. Os dias de Semente Amarela favorecem quem planta com cuidado e espera a colheita, e vocês têm o dom de fazer as coisas florescerem: um jardim, um negócio, uma família ou um ideal comum. A relação começa pequena e cria raízes fortes. Um faz brotar os talentos do outro, e a energia de vocês é calorosa e atraente. O desafio da Semente Amarela é a impaciência: nem toda semente germina de uma vez. Cuidem do vínculo todos os dias, deem espaço para que cada um cresça na sua direção, e vocês colherão uma safra farta e duradoura.</translation>
    </message>
    <message>
        <source>Red Serpent</source>
        <translation>Serpente Vermelha</translation>
    </message>
    <message>
        <source>Your composite seal is the Red Serpent, the fifth glyph of the birth chart and the seal of life force, instinct and passion. Red Serpent days belong to people who feel strongly and act on their instincts, and as a couple you share a powerful physical and emotional bond. There is magnetism between you, and you are quick to sense each other&apos;s needs. Together you have the vitality to survive hard times and shed old skins when it is time to change. The challenge of the Red Serpent is intensity: jealousy or a quick temper can flare up. Channel your passion into shared goals, stay honest about your desires, and your union will be vibrant and alive.</source>
        <translation>O selo composto de vocês é a Serpente Vermelha, o quinto glifo do mapa natal e o selo da força vital, do instinto e da paixão. Os dias de Serpente Vermelha pertencem a quem sente com intensidade e age por instinto, e vocês compartilham um vínculo físico e emocional poderoso. Há magnetismo entre vocês, e cada um percebe depressa as necessidades do outro. Juntos, vocês têm vitalidade para atravessar tempos difíceis e trocar de pele quando é hora de mudar. O desafio da Serpente Vermelha é a intensidade: o ciúme ou o pavio curto podem se inflamar. Canalizem a paixão para objetivos comuns, falem com sinceridade sobre seus desejos, e a união de vocês será vibrante e cheia de vida.</translation>
    </message>
    <message>
        <source>White WorldBridger</source>
        <translation>Enlaçador de Mundos Branco</translation>
    </message>
    <message>
        <source>Your composite seal is the White WorldBridger, the sixth glyph of the birth chart and the seal of surrender, change and connection between worlds. White WorldBridger days favour people who build bridges between families, cultures and ideas, and together you are a couple who bring people together. Your relationship can carry you through great transitions, and each ending you face together opens a new door. You are generous and forgiving with each other. The challenge of the White WorldBridger is letting go: holding on to the past or to old hurts weighs your bond down. Release what is finished, and your partnership will be a bridge to a wider life.</source>
        <translation>O selo composto de vocês é o Enlaçador de Mundos Branco, o sexto glifo do mapa natal e o selo da entrega, da mudança e da conexão entre mundos. Os dias de Enlaçador de Mundos Branco favorecem quem constrói pontes entre famílias, culturas e ideias, e vocês são um casal que aproxima as pessoas. A relação ajuda vocês a atravessar grandes transições, e cada fim que enfrentam juntos abre uma nova porta. Há generosidade e perdão entre vocês. O desafio do Enlaçador de Mundos Branco é desapegar: prender-se ao passado ou a velhas mágoas pesa sobre o vínculo. Soltem o que terminou, e a parceria de vocês será uma ponte para uma vida mais ampla.</translation>
    </message>
    <message>
        <source>Blue Hand</source>
        <translation>Mão Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Hand, the seventh glyph of the birth chart and the seal of accomplishment, healing and knowledge. Blue Hand days belong to people who learn by doing and who heal with their hands and hearts, and as a couple you are practical, helpful and skilled. You like to make, mend and build things together, and you take care of each other in concrete ways. Your bond grows through shared work and the satisfaction of finishing what you start. The challenge of the Blue Hand is overwork: you may forget to rest or to ask for help. Hold hands as often as you lend them, and your partnership will heal and fulfil you both.</source>
        <translation>O selo composto de vocês é a Mão Azul, o sétimo glifo do mapa natal e o selo da realização, da cura e do conhecimento. Os dias de Mão Azul pertencem a quem aprende fazendo e cura com as mãos e o coração, e vocês formam um casal prático, prestativo e habilidoso. Gostam de criar, consertar e construir coisas juntos, e cuidam um do outro de forma concreta. O vínculo cresce com o trabalho em comum e a satisfação de concluir o que começam. O desafio da Mão Azul é o excesso de trabalho: vocês podem esquecer de descansar ou de pedir ajuda. Deem as mãos tantas vezes quanto as estendem, e a parceria trará cura e realização a ambos.</translation>
    </message>
    <message>
        <source>Yellow Star</source>
        <translation>Estrela Amarela</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Star, the eighth glyph of the birth chart and the seal of beauty, harmony and art. Yellow Star days favour people who love elegance and who bring light into every room, and together you are a radiant, sociable couple who enjoy music, art and good company. Your relationship aims at harmony, and you inspire each other to become the best version of yourselves. Abundance tends to follow you. The challenge of the Yellow Star is perfectionism: expecting everything to be beautiful can make you critical of each other. Accept your flaws with humour, and your love will shine like the morning star.</source>
        <translation>O selo composto de vocês é a Estrela Amarela, o oitavo glifo do mapa natal e o selo da beleza, da harmonia e da arte. Os dias de Estrela Amarela favorecem quem ama a elegância e leva luz a qualquer ambiente, e vocês formam um casal radiante e sociável, que aprecia música, arte e boa companhia. A relação busca a harmonia, e um inspira o outro a se tornar a melhor versão de si. A abundância costuma acompanhar vocês. O desafio da Estrela Amarela é o perfeccionismo: esperar que tudo seja belo pode deixar vocês críticos um com o outro. Aceitem seus defeitos com humor, e o amor de vocês brilhará como a estrela da manhã.</translation>
    </message>
    <message>
        <source>Red Moon</source>
        <translation>Lua Vermelha</translation>
    </message>
    <message>
        <source>Your composite seal is the Red Moon, the ninth glyph of the birth chart and the seal of water, purification and the flow of feeling. Red Moon days belong to people who feel deeply and who are guided by their emotions and intuition, and as a couple you share a strong emotional current. You sense each other&apos;s moods, forgive easily and cleanse old wounds together. Your relationship follows natural rhythms, with its tides and seasons. The challenge of the Red Moon is emotional overflow: feelings can swamp reason, and small slights can seem large. Let your emotions flow rather than flood, speak gently when the tide is high, and your bond will be renewed again and again.</source>
        <translation>O selo composto de vocês é a Lua Vermelha, o nono glifo do mapa natal e o selo da água, da purificação e do fluxo dos sentimentos. Os dias de Lua Vermelha pertencem a quem sente profundamente e se guia pelas emoções e pela intuição, e vocês compartilham uma forte corrente emocional. Percebem o humor um do outro, perdoam com facilidade e lavam juntos as velhas feridas. A relação segue ritmos naturais, com suas marés e estações. O desafio da Lua Vermelha é o transbordamento emocional: os sentimentos podem afogar a razão, e pequenas ofensas podem parecer enormes. Deixem as emoções fluírem sem inundar, falem com suavidade quando a maré subir, e o vínculo se renovará sempre.</translation>
    </message>
    <message>
        <source>White Dog</source>
        <translation>Cachorro Branco</translation>
    </message>
    <message>
        <source>Your composite seal is the White Dog, the tenth glyph of the birth chart and the seal of loyalty, love and the heart. White Dog days favour people who are faithful companions and who guide others home, and together you are a devoted couple whose love is deep and steadfast. You stand by each other in every hardship, and your home is a place of warmth and welcome. Family and friendship matter greatly to you both. The challenge of the White Dog is vulnerability: you can be hurt badly by a broken promise and may become defensive. Keep your word to each other, forgive when you can, and your loyalty will be the rock on which your love stands.</source>
        <translation>O selo composto de vocês é o Cachorro Branco, o décimo glifo do mapa natal e o selo da lealdade, do amor e do coração. Os dias de Cachorro Branco favorecem quem é companhia fiel e guia os outros de volta para casa, e vocês formam um casal dedicado, de amor profundo e constante. Vocês se apoiam em todas as dificuldades, e o lar de vocês é caloroso e acolhedor. Família e amizade importam muito para os dois. O desafio do Cachorro Branco é a vulnerabilidade: uma promessa quebrada pode doer muito e deixar vocês na defensiva. Cumpram a palavra dada um ao outro, perdoem quando puderem, e a lealdade de vocês será a rocha onde o amor se apoia.</translation>
    </message>
    <message>
        <source>Blue Monkey</source>
        <translation>Macaco Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Monkey, the eleventh glyph of the birth chart and the seal of play, magic and illusion. Blue Monkey days belong to people who are witty, artistic and young at heart, and as a couple you have fun together: you laugh, invent, joke and turn ordinary days into adventures. Your creativity feeds each other, and you rarely bore one another. You meet trouble with humour and find playful ways around obstacles. The challenge of the Blue Monkey is that play can hide real feelings, and tricks can turn into deception. Be serious when it matters, show each other what lies behind the mask, and your joy together will be magical.</source>
        <translation>O selo composto de vocês é o Macaco Azul, o décimo primeiro glifo do mapa natal e o selo do jogo, da magia e da ilusão. Os dias de Macaco Azul pertencem a pessoas espirituosas, artísticas e jovens de coração, e vocês se divertem juntos: riem, inventam, brincam e transformam dias comuns em aventuras. A criatividade de um alimenta a do outro, e o tédio raramente aparece. Vocês enfrentam os problemas com humor e contornam os obstáculos brincando. O desafio do Macaco Azul é que a brincadeira pode esconder sentimentos reais, e as travessuras podem virar engano. Falem sério quando importa, mostrem um ao outro o que há por trás da máscara, e a alegria de vocês será mágica.</translation>
    </message>
    <message>
        <source>Yellow Human</source>
        <translation>Humano Amarelo</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Human, the twelfth glyph of the birth chart and the seal of free will, wisdom and influence. Yellow Human days favour people who think for themselves and who want to make a difference in their community, and together you are a thoughtful, capable couple. You respect each other&apos;s independence and enjoy sharing ideas and plans. Your relationship grows through learning, and others often come to you for advice. The challenge of the Yellow Human is stubbornness: two strong wills can clash. Make decisions together, respect each other&apos;s choices, and your partnership will become a source of wisdom for you and those you love.</source>
        <translation>O selo composto de vocês é o Humano Amarelo, o décimo segundo glifo do mapa natal e o selo do livre-arbítrio, da sabedoria e da influência. Os dias de Humano Amarelo favorecem quem pensa por conta própria e quer fazer diferença na sua comunidade, e vocês formam um casal ponderado e capaz. Respeitam a independência um do outro e gostam de trocar ideias e planos. A relação cresce com o aprendizado, e as pessoas costumam procurar vocês em busca de conselho. O desafio do Humano Amarelo é a teimosia: duas vontades fortes podem se chocar. Decidam juntos, respeitem as escolhas de cada um, e a parceria será uma fonte de sabedoria para vocês e para quem vocês amam.</translation>
    </message>
    <message>
        <source>Red Skywalker</source>
        <translation>Caminhante do Céu Vermelho</translation>
    </message>
    <message>
        <source>Your composite seal is the Red Skywalker, the thirteenth glyph of the birth chart and the seal of exploration, space and wakefulness. Red Skywalker days belong to people who long for new horizons and who connect heaven and earth, and as a couple you are adventurous and curious. You love to travel, to learn and to push past the limits of the familiar. Your relationship gives each of you the space to grow and the courage to explore. The challenge of the Red Skywalker is restlessness: you may always look to the next horizon and forget the ground beneath your feet. Make a home you both return to, and your journeys together will lift you higher.</source>
        <translation>O selo composto de vocês é o Caminhante do Céu Vermelho, o décimo terceiro glifo do mapa natal e o selo da exploração, do espaço e da vigília. Os dias de Caminhante do Céu Vermelho pertencem a quem anseia por novos horizontes e une o céu e a terra, e vocês formam um casal aventureiro e curioso. Adoram viajar, aprender e ir além dos limites do conhecido. A relação dá a cada um espaço para crescer e coragem para explorar. O desafio do Caminhante do Céu Vermelho é a inquietação: vocês podem viver de olho no próximo horizonte e esquecer o chão sob os pés. Criem um lar para onde os dois sempre voltem, e as jornadas a dois levarão vocês cada vez mais alto.</translation>
    </message>
    <message>
        <source>White Wizard</source>
        <translation>Mago Branco</translation>
    </message>
    <message>
        <source>Your composite seal is the White Wizard, the fourteenth glyph of the birth chart and the seal of timelessness, receptivity and enchantment. White Wizard days favour people with strong intuition and a quiet magic about them, and together you are a couple with a deep, almost spiritual bond. You understand each other in silence, and you share a sense that your meeting was meant to be. Your relationship has a charm others notice. The challenge of the White Wizard is the wish to control through will or secrecy. Be open with each other, receive as well as give, and the enchantment between you will grow with every year.</source>
        <translation>O selo composto de vocês é o Mago Branco, o décimo quarto glifo do mapa natal e o selo da atemporalidade, da receptividade e do encantamento. Os dias de Mago Branco favorecem pessoas de intuição forte e de uma magia serena, e vocês formam um casal de vínculo profundo, quase espiritual. Vocês se entendem em silêncio e sentem que o encontro de vocês estava escrito. A relação tem um encanto que os outros percebem. O desafio do Mago Branco é o desejo de controlar pela vontade ou pelo segredo. Falem abertamente um com o outro, recebam tanto quanto dão, e o encantamento entre vocês crescerá a cada ano.</translation>
    </message>
    <message>
        <source>Blue Eagle</source>
        <translation>Águia Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Eagle, the fifteenth glyph of the birth chart and the seal of vision, creation and the mind. Blue Eagle days belong to people who see the big picture and plan for the future, and as a couple you share ambitious dreams. You encourage each other to aim high, and together you can build something remarkable. You see far, and you help each other rise above everyday worries. The challenge of the Blue Eagle is distance: flying high can make you lose touch with feelings and with daily life. Come down to earth often, share the small moments as well as the grand plans, and your shared vision will carry you both.</source>
        <translation>O selo composto de vocês é a Águia Azul, o décimo quinto glifo do mapa natal e o selo da visão, da criação e da mente. Os dias de Águia Azul pertencem a quem enxerga o quadro geral e planeja o futuro, e vocês compartilham sonhos ambiciosos. Um incentiva o outro a mirar alto, e juntos vocês podem construir algo notável. Vocês enxergam longe e se ajudam a pairar acima das preocupações do dia a dia. O desafio da Águia Azul é a distância: voar alto pode afastar vocês dos sentimentos e da vida cotidiana. Desçam à terra com frequência, compartilhem os pequenos momentos tanto quanto os grandes planos, e a visão em comum levará os dois longe.</translation>
    </message>
    <message>
        <source>Yellow Warrior</source>
        <translation>Guerreiro Amarelo</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Warrior, the sixteenth glyph of the birth chart and the seal of intelligence, courage and questioning. Yellow Warrior days favour people who face challenges head on and who never stop asking why, and together you are a brave, resilient couple. You defend each other fiercely and tackle problems as a team. Your relationship is strengthened by every obstacle you overcome together. The challenge of the Yellow Warrior is combativeness: you may turn your fighting spirit on each other. Choose your battles, fight for your love rather than against your partner, and your courage together will be unbeatable.</source>
        <translation>O selo composto de vocês é o Guerreiro Amarelo, o décimo sexto glifo do mapa natal e o selo da inteligência, da coragem e do questionamento. Os dias de Guerreiro Amarelo favorecem quem enfrenta os desafios de frente e nunca para de perguntar por quê, e vocês formam um casal corajoso e resiliente. Vocês se defendem com garra e enfrentam os problemas em equipe. Cada obstáculo que superam juntos fortalece a relação. O desafio do Guerreiro Amarelo é a combatividade: vocês podem voltar o espírito de luta um contra o outro. Escolham suas batalhas, lutem pelo amor e não contra quem está ao seu lado, e a coragem de vocês será imbatível.</translation>
    </message>
    <message>
        <source>Red Earth</source>
        <translation>Terra Vermelha</translation>
    </message>
    <message>
        <source>Your composite seal is the Red Earth, the seventeenth glyph of the birth chart and the seal of navigation, synchronicity and evolution. Red Earth days belong to people who are in tune with the rhythms of nature and who notice the signs along the way, and as a couple you are grounded and purposeful. You move through life in step with each other, and meaningful coincidences seem to guide you. Your bond grows steadily, like the land through the seasons. The challenge of the Red Earth is rigidity: you may resist change or argue about direction. Read the signs together, stay flexible, and your partnership will find its way home.</source>
        <translation>O selo composto de vocês é a Terra Vermelha, o décimo sétimo glifo do mapa natal e o selo da navegação, da sincronicidade e da evolução. Os dias de Terra Vermelha pertencem a quem está em sintonia com os ritmos da natureza e nota os sinais pelo caminho, e vocês formam um casal com os pés no chão e um propósito claro. Seguem a vida no mesmo passo, e coincidências significativas parecem guiar vocês. O vínculo cresce com constância, como a terra ao longo das estações. O desafio da Terra Vermelha é a rigidez: vocês podem resistir à mudança ou discutir sobre o rumo. Leiam os sinais juntos, sejam flexíveis, e a parceria encontrará o caminho de casa.</translation>
    </message>
    <message>
        <source>White Mirror</source>
        <translation>Espelho Branco</translation>
    </message>
    <message>
        <source>Your composite seal is the White Mirror, the eighteenth glyph of the birth chart and the seal of truth, reflection and order. White Mirror days favour people who see clearly and who cut through illusion, and together you are an honest, direct couple. You show each other who you really are, and your relationship rests on truth rather than pretence. You bring order to each other&apos;s lives. The challenge of the White Mirror is harshness: truth spoken without love can wound, and you may judge each other too strictly. Speak kindly, see each other&apos;s beauty as well as each other&apos;s faults, and the mirror between you will reflect a true and lasting love.</source>
        <translation>O selo composto de vocês é o Espelho Branco, o décimo oitavo glifo do mapa natal e o selo da verdade, do reflexo e da ordem. Os dias de Espelho Branco favorecem quem enxerga com clareza e desfaz ilusões, e vocês formam um casal honesto e direto. Mostram um ao outro quem realmente são, e a relação se apoia na verdade, não no fingimento. Um traz ordem à vida do outro. O desafio do Espelho Branco é a dureza: a verdade dita sem amor pode ferir, e vocês podem se julgar com rigor excessivo. Falem com gentileza, vejam a beleza um do outro tanto quanto os defeitos, e o espelho entre vocês refletirá um amor verdadeiro e duradouro.</translation>
    </message>
    <message>
        <source>Blue Storm</source>
        <translation>Tormenta Azul</translation>
    </message>
    <message>
        <source>Your composite seal is the Blue Storm, the nineteenth glyph of the birth chart and the seal of energy, transformation and self-generation. Blue Storm days belong to people who bring change wherever they go, and as a couple you are a force of renewal. Your relationship is lively and intense, and it changes you both for the better. Together you can clear away what holds you back and start afresh. The challenge of the Blue Storm is turbulence: arguments may break like thunder and pass as quickly, but they can leave damage behind. Let the rain cleanse rather than flood, find calm after each storm, and your bond will be stronger and fresher each time.</source>
        <translation>O selo composto de vocês é a Tormenta Azul, o décimo nono glifo do mapa natal e o selo da energia, da transformação e da autogeração. Os dias de Tormenta Azul pertencem a quem leva mudança aonde quer que vá, e vocês são uma força de renovação. A relação é viva e intensa e transforma os dois para melhor. Juntos, vocês conseguem varrer o que atrapalha e recomeçar. O desafio da Tormenta Azul é a turbulência: as brigas podem estourar como trovões e passar com a mesma rapidez, mas podem deixar estragos. Deixem a chuva lavar sem inundar, busquem a calma depois de cada tormenta, e o vínculo sairá mais forte e renovado a cada vez.</translation>
    </message>
    <message>
        <source>Yellow Sun</source>
        <translation>Sol Amarelo</translation>
    </message>
    <message>
        <source>Your composite seal is the Yellow Sun, the twentieth glyph of the birth chart and the seal of enlightenment, life and universal fire. Yellow Sun days favour people who are warm, generous and full of light, and together you are a radiant couple whose love warms everyone near you. You bring out each other&apos;s best, and your relationship has a sense of completeness and purpose. You share ideals, a love of beauty and a great joy in life, and together you keep going when others give up. The challenge of the Yellow Sun is pride: two bright lights can compete for attention. Shine for each other rather than against each other, and your union will light the way for many.</source>
        <translation>O selo composto de vocês é o Sol Amarelo, o vigésimo glifo do mapa natal e o selo da iluminação, da vida e do fogo universal. Os dias de Sol Amarelo favorecem pessoas calorosas, generosas e cheias de luz, e vocês formam um casal radiante, cujo amor aquece todos ao redor. Um desperta o melhor do outro, e a relação tem um senso de plenitude e propósito. Vocês compartilham ideais, o amor pela beleza e uma grande alegria de viver, e seguem em frente quando outros desistem. O desafio do Sol Amarelo é o orgulho: duas luzes fortes podem disputar atenção. Brilhem um para o outro, e não um contra o outro, e a união de vocês iluminará o caminho de muitos.</translation>
    </message>
</context>
<context>
    <name>SignTable</name>
    <message>
        <source>Monkey</source>
        <translation>Macaco</translation>
    </message>
    <message>
        <source>Witty and demonstrative</source>
        <translation>Espirituoso e expansivo</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Aventurina</translation>
    </message>
    <message>
        <source>Manifestation</source>
        <translation>Manifestação</translation>
    </message>
    <message>
        <source>The Monkey is the eleventh sign of the Mayan day count and belongs to the west. It is the sign of the artist, the weaver and the player, and its natives meet life with a quick mind and a ready laugh. They learn by doing, pick up crafts and languages with ease and love to entertain a room. Their charm opens doors, and their curiosity rarely lets them rest. At their best they turn play into art and lift the spirits of everyone around them. Their weakness is restlessness: they tire of routine, promise more than they can keep and may hide real feelings behind a joke. When they learn to finish what they start, their many talents become a lasting gift.</source>
        <translation>O Macaco é o décimo primeiro signo da contagem maia dos dias e pertence ao oeste. É o signo do artista, do tecelão e do brincalhão, e seus nativos encaram a vida com mente ágil e riso fácil. Aprendem fazendo, assimilam ofícios e idiomas com facilidade e adoram animar um ambiente. Seu charme abre portas, e a curiosidade raramente os deixa em paz. Em seus melhores momentos, transformam a brincadeira em arte e elevam o ânimo de todos ao redor. Seu ponto fraco é a inquietação: cansam-se da rotina, prometem mais do que podem cumprir e podem esconder sentimentos verdadeiros atrás de uma piada. Quando aprendem a terminar o que começam, seus muitos talentos se tornam um dom duradouro.</translation>
    </message>
    <message>
        <source>Road</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Careful and useful</source>
        <translation>Cuidadoso e útil</translation>
    </message>
    <message>
        <source>Malachite</source>
        <translation>Malaquita</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>The Road is the twelfth sign of the Mayan day count and belongs to the south. It is the sign of the path of life, of the traveller and of the worker who builds for others. People born under it are careful, practical and generous with their time; they notice what is needed and quietly do it. They make loyal friends, good neighbours and patient teachers, and they often feel called to serve a community. Many of them love to travel, and every journey teaches them something. Their weakness is worry: they can carry the burdens of others until they forget their own needs, and they may cling to a safe road when a new one would serve them better.</source>
        <translation>O Caminho é o décimo segundo signo da contagem maia dos dias e pertence ao sul. É o signo da estrada da vida, do viajante e do trabalhador que constrói para os outros. Os nativos deste signo são cuidadosos, práticos e generosos com seu tempo; percebem o que é preciso e o fazem discretamente. São amigos leais, bons vizinhos e professores pacientes, e muitas vezes se sentem chamados a servir a uma comunidade. Muitos adoram viajar, e cada viagem lhes ensina algo. Seu ponto fraco é a preocupação: podem carregar o fardo alheio até esquecer as próprias necessidades e se apegar a um caminho seguro quando um novo lhes faria melhor.</translation>
    </message>
    <message>
        <source>Reed</source>
        <translation>Junco</translation>
    </message>
    <message>
        <source>Crusading and wise</source>
        <translation>Engajado e sábio</translation>
    </message>
    <message>
        <source>Turquoise </source>
        <translation>Turquesa </translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Compreensão</translation>
    </message>
    <message>
        <source>The Reed is the thirteenth sign of the Mayan day count and belongs to the east. It is the sign of the home and the hearth, of the pillar that holds up the house, and of the voice that speaks for what is right. Its natives are principled and wise beyond their years; they defend their family and their beliefs with courage and will crusade for a cause they trust. Others look to them for guidance and protection. They grow like the reed, steadily and upright, and bend without breaking. Their weakness is stubbornness: sure of their values, they can judge others harshly and find it hard to admit a mistake. Tempered with humility, their sense of duty makes them true leaders.</source>
        <translation>O Junco é o décimo terceiro signo da contagem maia dos dias e pertence ao leste. É o signo do lar e da lareira, do pilar que sustenta a casa e da voz que defende o que é justo. Seus nativos têm princípios firmes e uma sabedoria além da idade; defendem com coragem a família e suas crenças e lutam por uma causa em que acreditam. Os outros buscam neles orientação e proteção. Crescem como o junco, constantes e eretos, e vergam sem quebrar. Seu ponto fraco é a teimosia: seguros de seus valores, podem julgar os outros com dureza e têm dificuldade em admitir um erro. Temperado com humildade, seu senso de dever faz deles verdadeiros líderes.</translation>
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
        <translation>Pedra da lua</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Ascensão</translation>
    </message>
    <message>
        <source>The Jaguar is the fourteenth sign of the Mayan day count and belongs to the north. It is the sign of the night hunter, of the shaman and of the keeper of the earth&apos;s secrets. People born under it are quiet, observant and deeply intelligent; they see through appearances and sense what others hide. They value solitude and use it to think, to study and to heal. Their intuition is strong, and they often feel at home in forests, mountains and other wild places. Once committed, they are fiercely loyal. Their weakness is secrecy: they keep their thoughts to themselves, can seem cold or distant, and may hold on to a grudge for a long time. Trust lets their gifts shine.</source>
        <translation>O Jaguar é o décimo quarto signo da contagem maia dos dias e pertence ao norte. É o signo do caçador noturno, do xamã e do guardião dos segredos da terra. Os nativos deste signo são calados, observadores e profundamente inteligentes; enxergam além das aparências e percebem o que os outros escondem. Valorizam a solidão e a usam para pensar, estudar e curar. Têm intuição forte e costumam se sentir em casa em florestas, montanhas e outros lugares selvagens. Quando se comprometem, são ferozmente leais. Seu ponto fraco é a tendência ao segredo: guardam os pensamentos para si, podem parecer frios ou distantes e às vezes guardam rancor por muito tempo. A confiança faz seus dons brilharem.</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águia</translation>
    </message>
    <message>
        <source>Free and independent</source>
        <translation>Livre e independente</translation>
    </message>
    <message>
        <source>Unakite </source>
        <translation>Unaquita </translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>The Eagle is the fifteenth sign of the Mayan day count. It is the sign of the high flier who sees the whole land at once, of vision, ambition and freedom. Its natives are independent spirits with big plans; they rise above petty quarrels and look towards the future. They are quick to spot an opportunity and bold enough to seize it, and many of them do well in business, science or public life. They inspire others with their vision and their confidence. Their weakness is impatience with limits: they dislike being told what to do, may overreach, and can forget the people who helped them climb. Grounded by gratitude, their flight carries others with them.</source>
        <translation>A Águia é o décimo quinto signo da contagem maia dos dias. É o signo de quem voa alto e vê toda a terra de uma só vez, da visão, da ambição e da liberdade. Seus nativos são espíritos independentes, com grandes planos; pairam acima de brigas mesquinhas e olham para o futuro. Identificam depressa uma oportunidade e têm ousadia para agarrá-la, e muitos se saem bem nos negócios, na ciência ou na vida pública. Inspiram os outros com sua visão e sua confiança. Seu ponto fraco é a impaciência com limites: não gostam que lhes digam o que fazer, podem ir longe demais e esquecer quem os ajudou a subir. Ancorado na gratidão, seu voo leva os outros junto.</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabedoria</translation>
    </message>
    <message>
        <source>Knowledgeable and authoritative</source>
        <translation>Erudito e com autoridade</translation>
    </message>
    <message>
        <source>Smokey Quartz</source>
        <translation>Quartzo fumê</translation>
    </message>
    <message>
        <source>Duality</source>
        <translation>Dualidade</translation>
    </message>
    <message>
        <source>Wisdom is the sixteenth sign of the Mayan day count and belongs to the south. It is the sign of the elders and the ancestors, of knowledge gathered over a lifetime and passed on. People born under it are thoughtful, learned and naturally authoritative; they ask deep questions and are not satisfied with easy answers. Others come to them for counsel, and they speak with the calm weight of experience. They respect tradition yet are willing to change their minds when the truth demands it. Their weakness is self-doubt and a sense of guilt for old mistakes, which can make them harsh with themselves and with others. When they forgive, their wisdom becomes a blessing.</source>
        <translation>A Sabedoria é o décimo sexto signo da contagem maia dos dias e pertence ao sul. É o signo dos anciãos e dos antepassados, do conhecimento acumulado ao longo de uma vida e transmitido adiante. Os nativos deste signo são ponderados, cultos e dotados de autoridade natural; fazem perguntas profundas e não se contentam com respostas fáceis. Os outros os procuram em busca de conselho, e eles falam com o peso sereno da experiência. Respeitam a tradição, mas mudam de ideia quando a verdade exige. Seu ponto fraco é a insegurança e a culpa por erros antigos, que podem torná-los duros consigo mesmos e com os outros. Quando perdoam, sua sabedoria se torna uma bênção.</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Practical and intellectual</source>
        <translation>Prático e intelectual</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>The Earth is the seventeenth sign of the Mayan day count and belongs to the east. It is the sign of movement and synchronicity, of the ground beneath our feet and the mind that reads its signs. Its natives are practical thinkers: they combine a sharp intellect with common sense and like to put ideas to work. They are good at solving problems, organising people and seeing how things fit together. Many are drawn to science, teaching or the care of the land. Their weakness is a restless mind that can turn into worry or stubborn argument, and they may find it hard to slow down. When they trust the rhythm of life, their steady action moves mountains.</source>
        <translation>A Terra é o décimo sétimo signo da contagem maia dos dias e pertence ao leste. É o signo do movimento e da sincronicidade, do chão sob nossos pés e da mente que lê seus sinais. Seus nativos são pensadores práticos: unem um intelecto afiado ao bom senso e gostam de pôr as ideias para funcionar. São bons em resolver problemas, organizar pessoas e ver como as coisas se encaixam. Muitos se sentem atraídos pela ciência, pelo ensino ou pelo cuidado com a terra. Seu ponto fraco é a mente inquieta, que pode virar preocupação ou discussão teimosa, e podem ter dificuldade em desacelerar. Quando confiam no ritmo da vida, sua ação constante move montanhas.</translation>
    </message>
    <message>
        <source>Flint</source>
        <translation>Pederneira</translation>
    </message>
    <message>
        <source>Romantic and self sufficient</source>
        <translation>Romântico e autossuficiente</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Rodonita</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>Estabilidade</translation>
    </message>
    <message>
        <source>The Flint is the eighteenth sign of the Mayan day count and belongs to the north. It is the sign of the blade that cuts away what is false, of truth, courage and the spark of fire. People born under it are self-sufficient and direct; they say what they think and live by their own rules. Beneath the hard edge lies a romantic heart that loves deeply and faithfully. They are skilled healers and honest friends who will tell you what you need to hear. Their weakness is sharpness: they can wound with words, act rashly in anger and refuse help they truly need. Learning gentleness turns their strength into a stable foundation for all who love them.</source>
        <translation>A Pederneira é o décimo oitavo signo da contagem maia dos dias e pertence ao norte. É o signo da lâmina que corta o que é falso, da verdade, da coragem e da centelha do fogo. Os nativos deste signo são autossuficientes e diretos; dizem o que pensam e vivem segundo suas próprias regras. Sob a aresta dura há um coração romântico, que ama com profundidade e fidelidade. São curadores habilidosos e amigos sinceros, que dizem o que você precisa ouvir. Seu ponto fraco é a aspereza: podem ferir com palavras, agir por impulso quando irritados e recusar a ajuda de que realmente precisam. Quando aprendem a ser gentis, sua força se torna uma base estável para todos que os amam.</translation>
    </message>
    <message>
        <source>Storm</source>
        <translation>Tempestade</translation>
    </message>
    <message>
        <source>Healing and helpful</source>
        <translation>Curador e prestativo</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Empowerment</source>
        <translation>Empoderamento</translation>
    </message>
    <message>
        <source>The Storm is the nineteenth sign of the Mayan day count and belongs to the west. It is the sign of thunder and rain, of the cleansing force that renews the land. Its natives carry a powerful energy that can change the lives of others; they are natural healers, helpers and catalysts. They feel deeply, care for family and friends, and are at their best when they can be of use. Crisis brings out their courage. Their weakness is turbulence: their moods can shift like the weather, they may take on too much and burn out, and their intensity can overwhelm gentler souls. When they learn to be calm at the centre of the storm, they empower everyone they touch.</source>
        <translation>A Tempestade é o décimo nono signo da contagem maia dos dias e pertence ao oeste. É o signo do trovão e da chuva, da força purificadora que renova a terra. Seus nativos carregam uma energia poderosa, capaz de mudar a vida dos outros; são curadores, ajudantes e catalisadores natos. Sentem profundamente, cuidam da família e dos amigos e dão o melhor de si quando podem ser úteis. As crises despertam sua coragem. Seu ponto fraco é a turbulência: o humor pode mudar como o tempo, podem assumir coisas demais e se esgotar, e sua intensidade pode sufocar almas mais delicadas. Quando aprendem a manter a calma no centro da tempestade, fortalecem todos que tocam.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Affectionate and creative</source>
        <translation>Afetuoso e criativo</translation>
    </message>
    <message>
        <source>Rose Quartz</source>
        <translation>Quartzo rosa</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluxo</translation>
    </message>
    <message>
        <source>The Sun is the twentieth and last sign of the Mayan day count and belongs to the south. It is the sign of the lord of light, of the hero who completes the cycle and of enlightenment. People born under it are warm, affectionate and creative; they radiate confidence and draw others into their light. They are idealists who want to make the world better, and they often excel in the arts, in sport or in any field where they can shine. Their generosity is real and their love wholehearted. Their weakness is pride: they may need admiration, take on too many causes and burn too brightly. When they let life flow, their light warms everyone near them.</source>
        <translation>O Sol é o vigésimo e último signo da contagem maia dos dias e pertence ao sul. É o signo do senhor da luz, do herói que completa o ciclo e da iluminação. Os nativos deste signo são calorosos, afetuosos e criativos; irradiam confiança e atraem os outros para sua luz. São idealistas que querem melhorar o mundo e muitas vezes se destacam nas artes, no esporte ou em qualquer área em que possam brilhar. Sua generosidade é genuína, e seu amor, incondicional. Seu ponto fraco é o orgulho: podem precisar de admiração, abraçar causas demais e se consumir de tanto brilhar. Quando deixam a vida fluir, sua luz aquece todos ao redor.</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Crocodilo</translation>
    </message>
    <message>
        <source>Protective and dominating</source>
        <translation>Protetor e dominador</translation>
    </message>
    <message>
        <source>Red Jasper</source>
        <translation>Jaspe vermelho</translation>
    </message>
    <message>
        <source>The Crocodile is the first sign of the Mayan day count and belongs to the east. It is the sign of beginnings, of the primal waters from which the world was born, and of the nurturing mother. Its natives are protective and strong-willed; they care fiercely for those in their charge and like to take the lead. They are pioneers with plenty of new ideas and the energy to launch them. Their instincts are sound and their imagination rich. Their weakness is a need for control: they can dominate, become possessive or moody, and struggle to let others find their own way. When they nurture without smothering, they bring people together in unity.</source>
        <translation>O Crocodilo é o primeiro signo da contagem maia dos dias e pertence ao leste. É o signo dos começos, das águas primordiais das quais o mundo nasceu e da mãe que nutre. Seus nativos são protetores e de vontade firme; cuidam com garra de quem está sob sua responsabilidade e gostam de assumir a liderança. São pioneiros, cheios de ideias novas e com energia para realizá-las. Seus instintos são certeiros, e sua imaginação, rica. Seu ponto fraco é a necessidade de controle: podem ser dominadores, possessivos ou temperamentais e ter dificuldade em deixar que os outros sigam seu próprio caminho. Quando nutrem sem sufocar, reúnem as pessoas em união.</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vento</translation>
    </message>
    <message>
        <source>Clever, lively, and multifaceted</source>
        <translation>Inteligente, vivaz e multifacetado</translation>
    </message>
    <message>
        <source>Sodalite</source>
        <translation>Sodalita</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Justiça</translation>
    </message>
    <message>
        <source>The Wind is the second sign of the Mayan day count and belongs to the north. It is the sign of breath and spirit, of the word that carries ideas from one mind to another. People born under it are clever, lively and many-sided; they communicate with ease and inspire others with their enthusiasm. They have a strong sense of justice and will speak up for those who cannot. Change does not frighten them: like the wind, they go where they are needed. Their weakness is inconstancy: their moods can shift quickly, they may scatter their energy over too many interests and speak before they think. When their spirit is focused, their words can move the world.</source>
        <translation>O Vento é o segundo signo da contagem maia dos dias e pertence ao norte. É o signo do sopro e do espírito, da palavra que leva as ideias de uma mente a outra. Os nativos deste signo são inteligentes, vivazes e versáteis; comunicam-se com facilidade e inspiram os outros com seu entusiasmo. Têm um forte senso de justiça e falam em nome de quem não pode falar. A mudança não os assusta: como o vento, vão aonde são necessários. Seu ponto fraco é a inconstância: o humor pode mudar depressa, podem dispersar a energia em interesses demais e falar antes de pensar. Quando concentram o espírito, suas palavras podem mover o mundo.</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noite</translation>
    </message>
    <message>
        <source>Conservative and thoughtful</source>
        <translation>Conservador e ponderado</translation>
    </message>
    <message>
        <source>Snowflake Obsidian</source>
        <translation>Obsidiana floco de neve</translation>
    </message>
    <message>
        <source>Patience</source>
        <translation>Paciência</translation>
    </message>
    <message>
        <source>The Night is the third sign of the Mayan day count and belongs to the west. It is the sign of the house of darkness, of dreams, of the inner world and of the treasure that waits in the dark. Its natives are thoughtful, reserved and conservative; they value security, home and a well-ordered life. They think before they act and have a gift for patience that others lack. Their dreams are vivid and often guide them well. Though they may seem shy, they hold great depth and loyalty. Their weakness is fear of the unknown: they can withdraw, brood and resist change even when it is good for them. When they trust their inner light, they find abundance.</source>
        <translation>A Noite é o terceiro signo da contagem maia dos dias e pertence ao oeste. É o signo da casa da escuridão, dos sonhos, do mundo interior e do tesouro que espera no escuro. Seus nativos são ponderados, reservados e conservadores; valorizam a segurança, o lar e uma vida bem organizada. Pensam antes de agir e têm uma paciência que falta a muitos. Seus sonhos são vívidos e costumam guiá-los bem. Embora possam parecer tímidos, têm grande profundidade e lealdade. Seu ponto fraco é o medo do desconhecido: podem se retrair, ruminar e resistir à mudança mesmo quando ela lhes faz bem. Quando confiam em sua luz interior, encontram a abundância.</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semente</translation>
    </message>
    <message>
        <source>Sexual, dynamic and energetic</source>
        <translation>Sensual, dinâmico e enérgico</translation>
    </message>
    <message>
        <source>Dumortierite</source>
        <translation>Dumortierita</translation>
    </message>
    <message>
        <source>The Seed is the fourth sign of the Mayan day count and belongs to the south. It is the sign of the corn seed, of fertility and of everything that grows from a small beginning to a rich harvest. People born under it are dynamic, sensual and full of energy; they attract others easily and know how to make things grow, whether a family, a business or an idea. They are sociable, persuasive and often lucky. Their weakness is impatience and a hunger for pleasure that can lead them to excess, jealousy or a wish to possess what they love. When they tend their seeds with care and patience, they reap a harvest that feeds many.</source>
        <translation>A Semente é o quarto signo da contagem maia dos dias e pertence ao sul. É o signo da semente do milho, da fertilidade e de tudo o que cresce de um começo pequeno até uma colheita farta. Os nativos deste signo são dinâmicos, sensuais e cheios de energia; atraem os outros com facilidade e sabem fazer as coisas crescerem, seja uma família, um negócio ou uma ideia. São sociáveis, persuasivos e muitas vezes têm sorte. Seu ponto fraco é a impaciência e uma fome de prazer que pode levá-los ao excesso, ao ciúme ou ao desejo de possuir o que amam. Quando cuidam de suas sementes com carinho e paciência, colhem uma safra que alimenta muitos.</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Forceful, powerful and charismatic</source>
        <translation>Vigoroso, poderoso e carismático</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Ametista</translation>
    </message>
    <message>
        <source>The Serpent is the fifth sign of the Mayan day count and belongs to the east. It is the sign of life force, of instinct and of the energy that rises through the body. Its natives are forceful and charismatic; they have a magnetic presence and a powerful will. They sense danger and opportunity before others do and act decisively. Many of them are drawn to performance, leadership or healing, where their intensity can be put to good use. Their weakness is that same intensity: they may be quick-tempered, jealous or driven by their passions, and they can shed people as a snake sheds its skin. When they master their power, they become wise and resolute guides.</source>
        <translation>A Serpente é o quinto signo da contagem maia dos dias e pertence ao leste. É o signo da força vital, do instinto e da energia que sobe pelo corpo. Seus nativos são vigorosos e carismáticos; têm uma presença magnética e uma vontade poderosa. Pressentem o perigo e a oportunidade antes dos outros e agem com decisão. Muitos se sentem atraídos pelos palcos, pela liderança ou pela cura, onde sua intensidade pode ser bem aproveitada. Seu ponto fraco é essa mesma intensidade: podem ser esquentados, ciumentos ou movidos pelas paixões, e são capazes de deixar pessoas para trás como a cobra troca de pele. Quando dominam seu poder, tornam-se guias sábios e firmes.</translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation>Transformador</translation>
    </message>
    <message>
        <source>Helpful and sacrificing</source>
        <translation>Prestativo e abnegado</translation>
    </message>
    <message>
        <source>Carnelian</source>
        <translation>Cornalina</translation>
    </message>
    <message>
        <source>The Transformer is the sixth sign of the Mayan day count and belongs to the north. It is the sign of endings and new beginnings, of the bridge between worlds, and of the change that makes growth possible. People born under it are helpful and self-sacrificing; they give freely of themselves and understand suffering because they have known it. They are at ease with change and help others through the great passages of life. Many have a gift for counselling, medicine or art. Their weakness is a tendency to give too much, to take on the pain of others and to neglect their own wishes. When they let go of what is finished, they are reborn stronger each time.</source>
        <translation>O Transformador é o sexto signo da contagem maia dos dias e pertence ao norte. É o signo dos fins e dos recomeços, da ponte entre os mundos e da mudança que torna o crescimento possível. Os nativos deste signo são prestativos e abnegados; doam-se sem reservas e entendem o sofrimento porque já o conheceram. Lidam bem com a mudança e ajudam os outros nas grandes passagens da vida. Muitos têm talento para o aconselhamento, a medicina ou a arte. Seu ponto fraco é a tendência a dar demais, assumir a dor alheia e deixar de lado os próprios desejos. Quando soltam o que terminou, renascem mais fortes a cada vez.</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Cervo</translation>
    </message>
    <message>
        <source>Nomadic and cooperative</source>
        <translation>Nômade e cooperativo</translation>
    </message>
    <message>
        <source>Amazonite</source>
        <translation>Amazonita</translation>
    </message>
    <message>
        <source>The Deer is the seventh sign of the Mayan day count. It is the sign of the gentle wanderer, of the hand that heals and of the spirit that lives in harmony with nature. People born under it are cooperative, sensitive and graceful; they prefer peace to conflict and work well with others. Many love travel and a change of scene, and they feel most alive outdoors. They are generous hosts and loyal companions with a talent for bringing people together. Their weakness is timidity: they may flee from confrontation, avoid commitment and drift from place to place without settling. When they find their purpose, their gentleness becomes real strength.</source>
        <translation>O Cervo é o sétimo signo da contagem maia dos dias. É o signo do andarilho gentil, da mão que cura e do espírito que vive em harmonia com a natureza. Os nativos deste signo são cooperativos, sensíveis e graciosos; preferem a paz ao conflito e trabalham bem em equipe. Muitos adoram viajar e mudar de ares, e se sentem mais vivos ao ar livre. São anfitriões generosos e companheiros leais, com talento para aproximar as pessoas. Seu ponto fraco é a timidez: podem fugir do confronto, evitar compromissos e vagar de um lugar a outro sem criar raízes. Quando encontram seu propósito, sua gentileza se torna verdadeira força.</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrela</translation>
    </message>
    <message>
        <source>Witty and jolly</source>
        <translation>Espirituoso e alegre</translation>
    </message>
    <message>
        <source>Hematite</source>
        <translation>Hematita</translation>
    </message>
    <message>
        <source>The Star is the eighth sign of the Mayan day count and belongs to the south. It is the sign of the planet Venus, of beauty, harmony and abundance. Its natives are witty, jolly and sociable; they light up a gathering and love music, art and good company. They have a keen eye for beauty and a gift for making things grow and multiply, whether money, friendships or ideas. Their optimism is infectious. Their weakness is a love of comfort that can make them lazy or extravagant, and a wish to please that can make them superficial or indecisive. When they share their abundance and keep their word, they shine like the morning star over everyone they meet.</source>
        <translation>A Estrela é o oitavo signo da contagem maia dos dias e pertence ao sul. É o signo do planeta Vênus, da beleza, da harmonia e da abundância. Seus nativos são espirituosos, alegres e sociáveis; animam qualquer reunião e adoram música, arte e boa companhia. Têm olhar apurado para a beleza e o dom de fazer as coisas crescerem e se multiplicarem, sejam dinheiro, amizades ou ideias. Seu otimismo é contagiante. Seu ponto fraco é o apego ao conforto, que pode torná-los preguiçosos ou extravagantes, e a vontade de agradar, que pode torná-los superficiais ou indecisos. Quando partilham sua abundância e cumprem a palavra, brilham como a estrela da manhã para todos que encontram.</translation>
    </message>
    <message>
        <source>Offering</source>
        <translation>Oferenda</translation>
    </message>
    <message>
        <source>Emotional and imaginative</source>
        <translation>Emotivo e imaginativo</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lápis-lazúli</translation>
    </message>
    <message>
        <source>The Offering is the ninth sign of the Mayan day count and belongs to the east. It is the sign of water and of the rain that feeds the fields, of gratitude and of the gift given in return for what life offers. People born under it are emotional, imaginative and idealistic; they feel the needs of others and respond with generosity. They have vivid inner lives and often express them through art, music or writing. They keep their promises and pay their debts. Their weakness is that their feelings run deep and can swing between extremes, and they may carry guilt or feel unappreciated. When they accept as gracefully as they give, their gifts flow freely.</source>
        <translation>A Oferenda é o nono signo da contagem maia dos dias e pertence ao leste. É o signo da água e da chuva que alimenta os campos, da gratidão e da dádiva oferecida em troca do que a vida nos dá. Os nativos deste signo são emotivos, imaginativos e idealistas; percebem as necessidades dos outros e respondem com generosidade. Têm uma vida interior intensa e costumam expressá-la na arte, na música ou na escrita. Cumprem suas promessas e pagam suas dívidas. Seu ponto fraco é que seus sentimentos são profundos e podem oscilar entre extremos, e às vezes carregam culpa ou se sentem pouco valorizados. Quando sabem receber com a mesma graça com que dão, seus dons fluem livremente.</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cachorro</translation>
    </message>
    <message>
        <source>Helpful and loyal</source>
        <translation>Prestativo e leal</translation>
    </message>
    <message>
        <source>Bloodstone</source>
        <translation>Heliotrópio</translation>
    </message>
    <message>
        <source>The Dog is the tenth sign of the Mayan day count and belongs to the north. It is the sign of loyalty, of the faithful companion and of the heart that guides travellers home. Its natives are loving, helpful and steadfast; they stand by family and friends through every hardship and expect the same in return. They have a strong sense of fairness and a generous, sociable nature. Patience is one of their great gifts, and they are often trusted as protectors. Their weakness is that they give their loyalty blindly, can be hurt deeply by betrayal, and may become stubborn or suspicious. When their love is wise as well as warm, it guides many safely.</source>
        <translation>O Cachorro é o décimo signo da contagem maia dos dias e pertence ao norte. É o signo da lealdade, do companheiro fiel e do coração que guia os viajantes de volta para casa. Seus nativos são amorosos, prestativos e constantes; apoiam a família e os amigos em todas as dificuldades e esperam o mesmo em troca. Têm um forte senso de justiça e uma natureza generosa e sociável. A paciência é um de seus grandes dons, e muitas vezes são vistos como protetores de confiança. Seu ponto fraco é dar a lealdade cegamente: uma traição pode feri-los profundamente e torná-los teimosos ou desconfiados. Quando seu amor é sábio além de caloroso, guia muitos em segurança.</translation>
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
        <translation>Fechar</translation>
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
        <translation>Elétrico</translation>
    </message>
    <message>
        <source>Self-Existing</source>
        <translation>Autoexistente</translation>
    </message>
    <message>
        <source>Overtone</source>
        <translation>Harmônico</translation>
    </message>
    <message>
        <source>Rythmic</source>
        <translation>Rítmico</translation>
    </message>
    <message>
        <source>Resonant</source>
        <translation>Ressonante</translation>
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
        <translation>Planetário</translation>
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
        <translation>O Kinmatch será exibido em %1 na próxima vez que for iniciado.</translation>
    </message>
    <message>
        <source>The choice of language could not be kept in the settings.</source>
        <translation>Não foi possível salvar a escolha do idioma nas configurações.</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>above 260, so %1 - 260 = %2</source>
        <translation>acima de 260, então %1 - 260 = %2</translation>
    </message>
    <message>
        <source>not above 260, so it stays %1</source>
        <translation>não passa de 260, então fica %1</translation>
    </message>
    <message>
        <source>Year code of %1: %2</source>
        <translation>Código do ano %1: %2</translation>
    </message>
    <message>
        <source>Value of %1 %2: %3</source>
        <translation>Valor de %2 de %1: %3</translation>
    </message>
    <message>
        <source>Sum: %1 + %2 = %3, %4</source>
        <translation>Soma: %1 + %2 = %3, %4</translation>
    </message>
    <message>
        <source>Place in the count: %1</source>
        <translation>Posição na contagem: %1</translation>
    </message>
    <message>
        <source>Day sign: (%1 - 1) mod 20 + 1 = %2, %3</source>
        <translation>Signo do dia: (%1 - 1) mod 20 + 1 = %2, %3</translation>
    </message>
    <message>
        <source>Galactic tone: (%1 + 6) mod 13 + 1 = %2</source>
        <translation>Tom galáctico: (%1 + 6) mod 13 + 1 = %2</translation>
    </message>
    <message>
        <source>How it is worked out:</source>
        <translation>Como é calculado:</translation>
    </message>
    <message>
        <source>above %1, so %2 + %3 = %4</source>
        <translation>acima de %1, então %2 + %3 = %4</translation>
    </message>
    <message>
        <source>not above %1, so it stays %2</source>
        <translation>não passa de %1, então fica %2</translation>
    </message>
    <message>
        <source>You, born %1:</source>
        <translation>Você, que nasceu em %1:</translation>
    </message>
    <message>
        <source>Your partner, born %1:</source>
        <translation>Seu par, que nasceu em %1:</translation>
    </message>
    <message>
        <source>Seal sum: %1 + %2 = %3, %4: %5</source>
        <translation>Soma dos selos: %1 + %2 = %3, %4: %5</translation>
    </message>
    <message>
        <source>Tone sum: %1 + %2 = %3, %4: %5</source>
        <translation>Soma dos tons: %1 + %2 = %3, %4: %5</translation>
    </message>
    <message>
        <source>Name: the tone %1 goes between the words of %2: %3</source>
        <extracomment>How the composite&apos;s name is made: %1 the tone&apos;s name, %2 the seal&apos;s, %3 the composite&apos;s.</extracomment>
        <translation>Nome: o tom %1 vem depois de %2, concordando em gênero: %3</translation>
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
        <translation>O Kinmatch calcula a compatibilidade de vocês com base no signo do dia e no tom galáctico das duas pessoas. O cálculo se baseia em princípios maias. Copyright Quorvane Softwares, todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este software totalmente personalizado com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know your compatibility with your partner based on advanced Mayan Astrology! Enter the following details and get started.</source>
        <translation>Descubra sua compatibilidade com seu par segundo a avançada astrologia maia! Preencha os dados abaixo e comece.</translation>
    </message>
    <message>
        <source>Your Personal Details</source>
        <translation>Seus dados pessoais</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Personal Details</source>
        <translation>Dados pessoais do seu par</translation>
    </message>
    <message>
        <source>&amp;Generate Mayan Astrology Compatibility Reading</source>
        <translation>&amp;Gerar leitura de compatibilidade na astrologia maia</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>A&amp;brir leitura salva anteriormente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Generate Mayan Birth Chart</source>
        <translation>&amp;Gerar mapa natal maia</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>%1: Name</source>
        <translation>%1: nome</translation>
    </message>
    <message>
        <source>%1: Month of birth</source>
        <translation>%1: mês de nascimento</translation>
    </message>
    <message>
        <source>%1: Day of birth</source>
        <translation>%1: dia de nascimento</translation>
    </message>
    <message>
        <source>%1: Year of birth</source>
        <translation>%1: ano de nascimento</translation>
    </message>
    <message>
        <source>Your date of birth</source>
        <translation>Sua data de nascimento</translation>
    </message>
    <message>
        <source>Your partner&apos;s date of birth</source>
        <translation>Data de nascimento do seu par</translation>
    </message>
    <message>
        <source>%1: month</source>
        <translation>%1: mês</translation>
    </message>
    <message>
        <source>%1: day</source>
        <translation>%1: dia</translation>
    </message>
    <message>
        <source>%1: year</source>
        <translation>%1: ano</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Digite o nome do seu par</translation>
    </message>
    <message>
        <source>Please Enter A Name Of At Most %1 Characters</source>
        <translation>Digite um nome com no máximo %1 caracteres</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Informe um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Informe um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Selecione o arquivo de origem</translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation>Astrologia maia (*.man)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Verifique o arquivo.</translation>
    </message>
</context>
<context>
    <name>frmMayanCompatibilityResult</name>
    <message>
        <source>Kinmatch Results</source>
        <translation>Resultados do Kinmatch</translation>
    </message>
    <message>
        <source>Your Mayan Day Sign </source>
        <translation>Seu signo maia do dia </translation>
    </message>
    <message>
        <source>Your Galactic Tone</source>
        <translation>Seu tom galáctico</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Mayan Day Sign</source>
        <translation>Signo maia do dia do seu par</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Galactic Tone</source>
        <translation>Tom galáctico do seu par</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Mayan Astrology Compatibility</source>
        <translation>Compatibilidade na astrologia maia</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>The picture of the %1 seal</source>
        <translation>A imagem do selo %1</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Programs like Kinmatch can only be created and maintained with your support. Please visit the Quorvane Softwares forum at %1 regularly and take part in its discussions and activities, so that we can keep developing this and our other programs.</source>
        <translation>Programas como o Kinmatch só podem ser criados e mantidos com o seu apoio. Visite regularmente o fórum da Quorvane Softwares em %1 e participe das discussões e atividades, para que possamos continuar desenvolvendo este e os nossos outros programas.</translation>
    </message>
    <message>
        <source>We cannot support and maintain Kinmatch and our other programs without your regular visits. Please drop in at the Quorvane Softwares forum, %1, often and join in its discussions and activities.</source>
        <translation>Sem as suas visitas regulares, não conseguimos dar suporte ao Kinmatch e aos nossos outros programas nem mantê-los. Passe com frequência pelo fórum da Quorvane Softwares, %1, e participe das discussões e atividades.</translation>
    </message>
    <message>
        <source>The Quorvane Softwares forum at %1 is a free online discussion forum for all things mystic. Visit it regularly and take part in its discussions and activities: your visits keep this and our other programs developed and maintained.</source>
        <translation>O fórum da Quorvane Softwares em %1 é um fórum on-line gratuito de discussões sobre tudo o que é místico. Visite-o regularmente e participe das discussões e atividades: são as suas visitas que mantêm este e os nossos outros programas em desenvolvimento e atualizados.</translation>
    </message>
    <message>
        <source>Our forum at %1 needs your help. Visiting it regularly and taking part in its discussions and activities is what keeps Kinmatch and the other Quorvane Softwares programs developed and maintained.</source>
        <translation>Nosso fórum em %1 precisa da sua ajuda. Visitá-lo regularmente e participar das discussões e atividades é o que mantém o Kinmatch e os outros programas da Quorvane Softwares em desenvolvimento e atualizados.</translation>
    </message>
    <message>
        <source>Kinmatch</source>
        <translation>Kinmatch</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Clique aqui para visitar %1 agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indique um amigo &amp;agora</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Baixe programas da Quorvane Softwares</translation>
    </message>
    <message>
        <source>Enjoyed Kinmatch? Quorvane Softwares makes a large range of other programs for every seeker: astrology, psychic and tarot readings, numerology, and software on the occult.

Each is as easy to use as this one, and many of them are free to try. Have a look at them all and find your next favourite.</source>
        <translation>Gostou do Kinmatch? A Quorvane Softwares cria uma grande variedade de outros programas para todos os que buscam respostas: astrologia, leituras mediúnicas e de tarô, numerologia e softwares sobre o oculto.

Todos são tão fáceis de usar quanto este, e muitos podem ser experimentados gratuitamente. Conheça todos e encontre o seu próximo favorito.</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Clique aqui para visitar a Quorvane Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum</source>
        <translation>O fórum on-line de discussões místicas mais popular</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Clique aqui para visitar %1 agora</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>The Name Contains &quot;%1&quot;, Which A Reading File Cannot Hold.</source>
        <translation>O nome contém &quot;%1&quot;, caractere que um arquivo de leitura não aceita.</translation>
    </message>
    <message>
        <source>Kinmatch</source>
        <translation>Kinmatch</translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation>Astrologia maia (*.man)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
</context>
<context>
    <name>kinmatch-cli</name>
    <message>
        <source>needs %1</source>
        <translation>requer %1</translation>
    </message>
    <message>
        <source>unknown option %1 (try &apos;kinmatch-cli %2 --help&apos;)</source>
        <translation>opção desconhecida %1 (tente &apos;kinmatch-cli %2 --help&apos;)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 requer um valor</translation>
    </message>
    <message>
        <source>option %1 needs %2 values</source>
        <translation>a opção %1 requer %2 valores</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; is given twice</source>
        <translation>a opção &apos;%1&apos; foi informada duas vezes</translation>
    </message>
    <message>
        <source>options &apos;%1&apos; and &apos;%2&apos; exclude each other</source>
        <translation>as opções &apos;%1&apos; e &apos;%2&apos; são mutuamente exclusivas</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>não foi possível gravar</translation>
    </message>
    <message>
        <source>not a date of the form YYYY-MM-DD</source>
        <translation>não é uma data no formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year must lie in %1..%2</source>
        <translation>o ano deve estar no intervalo %1..%2</translation>
    </message>
    <message>
        <source>there is no month %1</source>
        <translation>não existe o mês %1</translation>
    </message>
    <message>
        <source>shows this help</source>
        <translation>mostra esta ajuda</translation>
    </message>
    <message>
        <source>writes one self-contained HTML file (- for standard output)</source>
        <translation>grava um único arquivo HTML autocontido (- para a saída padrão)</translation>
    </message>
    <message>
        <source>writes a PDF file (- for standard output)</source>
        <translation>grava um arquivo PDF (- para a saída padrão)</translation>
    </message>
    <message>
        <source>Bad input prints one line on standard error and exits with status 2, writing
nothing; an output that cannot be written (a read-only file among them) exits with
status 1 and leaves any old file as it was. Files may be pipes; - is standard
input or output. In CSV, a name that starts with =, +, -, @, a tab or a carriage
return is preceded by &apos;, so that no spreadsheet runs it as a formula.
</source>
        <translation>Entrada inválida imprime uma linha na saída de erro padrão e sai com status 2, sem
gravar nada; uma saída que não pode ser gravada (um arquivo somente leitura, p. ex.)
sai com status 1 e não altera nenhum arquivo antigo. Arquivos podem ser pipes; - é a
entrada ou a saída padrão. Em CSV, um nome iniciado por =, +, -, @, tabulação ou
retorno de carro recebe um &apos; antes, para que nenhuma planilha o execute como fórmula.
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
        <translation>Leituras de astrologia maia na linha de comando. As datas são YYYY-MM-DD, de
1900-01-01 a 2016-12-31.
</translation>
    </message>
    <message>
        <source>shows the version</source>
        <translation>mostra a versão</translation>
    </message>
    <message>
        <source>ends the options: what follows is a date or a file</source>
        <translation>encerra as opções: o que vem depois é uma data ou um arquivo</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>não foi possível ler</translation>
    </message>
    <message>
        <source>holds more than %1 MB, more than any batch of dates or group needs</source>
        <translation>contém mais de %1 MB, mais do que qualquer lote de datas ou grupo precisa</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>saída padrão</translation>
    </message>
    <message>
        <source>--explain cannot be shown in CSV</source>
        <translation>--explain não pode ser mostrado em CSV</translation>
    </message>
    <message>
        <source>needs a DATE, or - to read dates from standard input</source>
        <translation>requer uma DATE, ou - para ler as datas da entrada padrão</translation>
    </message>
    <message>
        <source>- reads the dates from standard input and stands alone</source>
        <translation>- lê as datas da entrada padrão e deve vir sozinho</translation>
    </message>
    <message>
        <source>needs USER-DATE and PARTNER-DATE</source>
        <translation>requer USER-DATE e PARTNER-DATE</translation>
    </message>
    <message>
        <source>needs FILE.csv, or - for standard input</source>
        <translation>requer FILE.csv, ou - para a entrada padrão</translation>
    </message>
    <message>
        <source>needs --name NAME DATE for each of the two persons</source>
        <translation>requer --name NAME DATE para cada uma das duas pessoas</translation>
    </message>
    <message>
        <source>is far larger than a reading file, so it is none</source>
        <translation>é grande demais para ser um arquivo de leitura</translation>
    </message>
    <message>
        <source>takes either FILE.man or --name NAME DATE</source>
        <translation>aceita FILE.man ou --name NAME DATE, não os dois</translation>
    </message>
    <message>
        <source>needs FILE.man or --name NAME DATE</source>
        <translation>requer FILE.man ou --name NAME DATE</translation>
    </message>
    <message>
        <source>needs FILE.man</source>
        <translation>requer FILE.man</translation>
    </message>
    <message>
        <source>needs --name NAME DATE</source>
        <translation>requer --name NAME DATE</translation>
    </message>
    <message>
        <source>does not end in .man</source>
        <translation>não termina em .man</translation>
    </message>
    <message>
        <source>a reading file cannot hold the character &apos;%1&apos; of the name</source>
        <translation>um arquivo de leitura não pode conter o caractere &apos;%1&apos; do nome</translation>
    </message>
    <message>
        <source>JSON instead of text (one object a line for several dates)</source>
        <translation>JSON em vez de texto (um objeto por linha para várias datas)</translation>
    </message>
    <message>
        <source>CSV instead of text</source>
        <translation>CSV em vez de texto</translation>
    </message>
    <message>
        <source>shows how each answer is worked out</source>
        <translation>mostra como cada resultado é calculado</translation>
    </message>
    <message>
        <source>a person&apos;s name and date of birth</source>
        <translation>nome e data de nascimento de uma pessoa</translation>
    </message>
    <message>
        <source>each date&apos;s place in the 260-day count, day sign, galactic tone and reading;
- reads one date a line from standard input (a blank line is an error)</source>
        <translation>posição de cada data na contagem de 260 dias, signo do dia, tom galáctico e leitura;
- lê uma data por linha da entrada padrão (uma linha em branco é um erro)</translation>
    </message>
    <message>
        <source>two persons&apos; composite seal and tone, with each person&apos;s own sign and tone</source>
        <translation>selo e tom compostos de duas pessoas, com o signo e o tom de cada uma</translation>
    </message>
    <message>
        <source>JSON instead of text</source>
        <translation>JSON em vez de texto</translation>
    </message>
    <message>
        <source>every pair of a group of 2 to 1000 persons, from a CSV file (UTF-8 or Windows-1252;
- for standard input) of names and dates, with an optional header row name,date</source>
        <translation>cada par de um grupo de 2 a 1000 pessoas, de um arquivo CSV (UTF-8 ou Windows-1252;
- para a entrada padrão) de nomes e datas, com cabeçalho opcional name,date</translation>
    </message>
    <message>
        <source>JSON instead of text: {&quot;people&quot;: [...], &quot;pairs&quot;: [...]}</source>
        <translation>JSON em vez de texto: {&quot;people&quot;: [...], &quot;pairs&quot;: [...]}</translation>
    </message>
    <message>
        <source>CSV instead of text: one pair a row</source>
        <translation>CSV em vez de texto: um par por linha</translation>
    </message>
    <message>
        <source>the couple&apos;s report: both persons&apos; readings and their composite</source>
        <translation>o relatório do casal: as leituras das duas pessoas e o composto delas</translation>
    </message>
    <message>
        <source>the report of one person&apos;s reading, from a reading file or a name and date</source>
        <translation>o relatório da leitura de uma pessoa, a partir de um arquivo de leitura ou de um nome e uma data</translation>
    </message>
    <message>
        <source>writes a reading file for a name and date (- for standard output)</source>
        <translation>grava um arquivo de leitura para um nome e uma data (- para a saída padrão)</translation>
    </message>
    <message>
        <source>(try &apos;kinmatch-cli --help&apos;)</source>
        <translation>(tente &apos;kinmatch-cli --help&apos;)</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>linha de comando</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>takes no arguments</source>
        <translation>não aceita argumentos</translation>
    </message>
    <message>
        <source>unknown option</source>
        <translation>opção desconhecida</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>comando desconhecido</translation>
    </message>
    <message>
        <source>the name is blank</source>
        <translation>o nome está em branco</translation>
    </message>
    <message>
        <source>the name is not UTF-8 text</source>
        <translation>o nome não é texto UTF-8</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>o nome tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>it holds a NUL byte, which text never holds</source>
        <translation>contém um byte NUL, que nenhum texto contém</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, linha %2</translation>
    </message>
    <message>
        <source>the line is blank; give one date a line</source>
        <translation>a linha está em branco; informe uma data por linha</translation>
    </message>
    <message>
        <source>holds no date</source>
        <translation>não contém nenhuma data</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, linha %2</translation>
    </message>
    <message>
        <source>a row needs two fields, a name and a date, not %1</source>
        <translation>uma linha precisa de dois campos, um nome e uma data, não %1</translation>
    </message>
    <message>
        <source>holds more than %1 persons</source>
        <translation>contém mais de %1 pessoas</translation>
    </message>
    <message>
        <source>holds 1 person; a group needs %2 to %3</source>
        <translation>contém 1 pessoa; um grupo precisa de %2 a %3</translation>
    </message>
    <message>
        <source>holds %1 persons; a group needs %2 to %3</source>
        <translation>contém %1 pessoas; um grupo precisa de %2 a %3</translation>
    </message>
    <message>
        <source>the PDF module %1 cannot be loaded (%2)</source>
        <translation>não foi possível carregar o módulo de PDF %1 (%2)</translation>
    </message>
    <message>
        <source>the PDF module made no PDF</source>
        <translation>o módulo de PDF não gerou nenhum PDF</translation>
    </message>
</context>
<context>
    <name>kinmatch::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este software totalmente personalizado com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Faça o co-branding deste software com o seu site.  Aumente a fidelidade e o tráfego do seu site. Coloque aqui o nome e o link do seu site. Consulte a &quot;Ajuda&quot; para mais detalhes.    Clique aqui para mais informações sobre co-branding.</translation>
    </message>
    <message>
        <source>Talk about all things mystic on the Quorvane Softwares forum. Click here to visit us!</source>
        <translation>Converse sobre tudo o que é místico no fórum da Quorvane Softwares. Clique aqui para nos visitar!</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações do software</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganhe dinheiro &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The &amp;System&apos;s Language</source>
        <translation>Idioma do &amp;sistema</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
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
        <translation>Pode haver uma atualização disponível para este software<byte value="xd"/>Deseja verificar se há uma atualização?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Endereço de e-mail do amigo</translation>
    </message>
</context>
</TS>
