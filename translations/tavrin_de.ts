<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>TMainForm</name>
    <message>
        <source>The language changes when TAVRIN is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von TAVRIN.</translation>
    </message>
</context>
</TS>
