<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es_ES">
<context>
    <name>ZCApplication</name>
    <message>
        <source>Se descarta el argumento "%1": es una opción de Qt</source>
        <translation>Argument "%1" dropped: it is a Qt option</translation>
    </message>
    <message>
        <source>No se ha podido cargar fuentes Roboto</source>
        <translation>Could not load the Roboto fonts</translation>
    </message>
</context>
</TS>
