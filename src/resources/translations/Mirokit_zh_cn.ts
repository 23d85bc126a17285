<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="es_ES">
<context>
    <name>ZCApplication</name>
    <message>
        <source>Se descarta el argumento "%1": es una opción de Qt</source>
        <translation>已丢弃参数“%1”：它是 Qt 选项</translation>
    </message>
    <message>
        <source>No se ha podido cargar fuentes Roboto</source>
        <translation>无法加载 Roboto 字体</translation>
    </message>
</context>
</TS>
