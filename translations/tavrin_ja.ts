<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>TMainForm</name>
    <message>
        <source>The language changes when TAVRIN is started again.</source>
        <translation>言語は TAVRIN の次回起動時に切り替わります。</translation>
    </message>
</context>
</TS>
