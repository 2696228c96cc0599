<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ImageExtractionController</name>
    <message numerus="yes">
        <source>Extraction cancelled. %n picture(s) saved in %1.</source>
        <translation>
            <numerusform>Extraction cancelled. %n picture saved in %1.</numerusform>
            <numerusform>Extraction cancelled. %n pictures saved in %1.</numerusform>
        </translation>
    </message>
</context>
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
