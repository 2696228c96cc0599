<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>main</name>
    <message numerus="yes">
        <source>The page range selects no page: the drawing has %n page(s).</source>
        <translation>
            <numerusform>The page range selects no page: the drawing has %n page.</numerusform>
            <numerusform>The page range selects no page: the drawing has %n pages.</numerusform>
        </translation>
    </message>
</context>
</TS>
