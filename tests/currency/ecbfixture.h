#pragma once
// Reference-rate feeds in the shape the ECB serves them, for the parser, the planning and the
// test server.
#include <QByteArray>

// The envelope with one day holding `cubes`.
inline QByteArray ecbFeedXml(const QByteArray& cubes, const QByteArray& time = "2024-05-17") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
           "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
           "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
           "\t<gesmes:Sender><gesmes:name>European Central Bank</gesmes:name></gesmes:Sender>\n"
           "\t<Cube>\n\t\t<Cube time='" +
        time + "'>\n" + cubes + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

inline QByteArray ecbFixture() {
    return ecbFeedXml("\t\t\t<Cube currency='USD' rate='1.0856'/>\n\t\t\t<Cube currency='CHF' rate='0.9781'/>\n");
}
