<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TGamesPlayed</name>
    <message numerus="yes">
        <source>%n game(s) of this run could not be counted yet.</source>
        <translation>
            <numerusform>%n game of this run could not be counted yet.</numerusform>
            <numerusform>%n games of this run could not be counted yet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLevelFrm</name>
    <message numerus="yes">
        <source>%n seconds per move</source>
        <translation>
            <numerusform>%n seconds per move</numerusform>
            <numerusform>%n seconds per move</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TLibraryPanel</name>
    <message numerus="yes">
        <source>%n game(s) of the library reached this position.</source>
        <translation>
            <numerusform>%n game of the library reached this position.</numerusform>
            <numerusform>%n games of the library reached this position.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TMatchWindow</name>
    <message numerus="yes">
        <source>Stopped after %n game(s).</source>
        <translation>
            <numerusform>Stopped after %n game.</numerusform>
            <numerusform>Stopped after %n games.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOpeningsController</name>
    <message numerus="yes">
        <source>%1: %2 discs, played in %n game(s)</source>
        <translation>
            <numerusform>%1: %2 discs, played in %n game</numerusform>
            <numerusform>%1: %2 discs, played in %n games</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Library %1: %n game(s)</source>
        <translation>
            <numerusform>Library %1: %n game</numerusform>
            <numerusform>Library %1: %n games</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n record(s) refused; the first, record %1: %2)</source>
        <translation>
            <numerusform>(%n record refused: record %1: %2)</numerusform>
            <numerusform>(%n records refused; the first, record %1: %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TSidePanel</name>
    <message numerus="yes">
        <source>%n ply search</source>
        <translation>
            <numerusform>%n ply search</numerusform>
            <numerusform>%n ply search</numerusform>
        </translation>
    </message>
</context>
</TS>
