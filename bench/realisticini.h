#pragma once
// A Kalkulo.ini as a long-time user has it, about 40 KB: Tape shown, tax panel open, "Blau",
// 40 currencies, 20 terms, three page groups and 30 financial scenarios of other windows.
#include <QByteArray>

inline QByteArray realisticKalkuloIni() {
    QByteArray f =
        "[Config]\r\nFarbe1=9667432\r\nFFarben=15135474\r\nDezimals=1\r\nBackground=3\r\nFelder=2\r\n"
        "nk=3\r\nPosTop=120\r\nPosLeft=340\r\nerw=2\r\ntab=3\r\ncIndex1=4\r\ncIndex2=7\r\nErweitern=1\r\n"
        "TextBox=0\r\nUmrandung=1\r\nTape=1\r\nKursIndex=5\r\nVST=0\r\n"
        "SteuerListe=MwSt,\"erm. MwSt\",USt\r\nSteuerIndex=1\r\nFunktionsIndex=2\r\n"
        "Steuern=19,\"7,5\",16\r\nd_form=1\r\naktiv=2\r\nSyntax=1\r\nw_einf=1\r\nwaehr=\x80\r\n"
        "waehr1=USD\r\nForm3Width=800\r\nForm3Height=578\r\n";
    QByteArray waehrung = "[Waehrung]\r\n", kurse = "[Kurse]\r\n";
    for (int i = 0; i < 40; ++i) {
        const QByteArray n = QByteArray::number(i);
        waehrung += n + "=W\xE4hrung " + n + ",W" + n + "\r\n";
        kurse += n + "=" + QByteArray::number(1.0 + i * 0.0371, 'f', 4).replace('.', ',') + "\r\n";
    }
    QByteArray terms = "[Terms]\r\n", konstant = "[Konstant]\r\n";
    for (int i = 0; i < 20; ++i) {
        terms += QByteArray::number(i) + "=a*sin(b*x+" + QByteArray::number(i) + ")+c*x^2\r\n";
        konstant += QByteArray::number(i) + "=1,5;2;" + QByteArray::number(i) + "\r\n";
    }
    QByteArray pages;
    for (const char* group : {"Seiten", "Seiten2", "Seiten3"}) {
        pages += QByteArray("[") + group + "]\r\n";
        for (int i = 0; i < 8; ++i)
            pages +=
                QByteArray::number(i) + "=https://www.example.org/rechnen/seite" + QByteArray::number(i) + ".html\r\n";
    }
    QByteArray scenarios = "[Finanzrechner]\r\nSzenarien=30\r\n";
    for (int s = 0; s < 30; ++s) {
        scenarios += "[Baufinanzierung " + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < 45; ++k)
            scenarios +=
                "Sondertilgung" + QByteArray::number(k) + "=" + QByteArray::number(100000 + s * 1000 + k) + ",00\r\n";
    }
    return f + "\r\n" + waehrung + kurse + terms + konstant + pages + scenarios +
        "[FoerderAlt]\r\nKinder=2\r\n[FoerderNeu]\r\nKinder=2\r\n";
}
