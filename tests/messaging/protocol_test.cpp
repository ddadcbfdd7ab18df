// The protocol table driven as a whole: every message goes both ways through its builder and its
// decoder, every ranged field is refused one past either end, and the table's JSON, which clients
// in other languages are checked against, is the table.
#include "messaging/protocol.h"
#include "messaging/strokeranges.h"
#include "messaging/wire.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace pictova;
using namespace pictova::protocol;

namespace {

// A value of `field` at its low end (`high` false) or its high end.
Value sample(const Field& field, bool high)
{
    switch (field.kind) {
    case Kind::Integer:
        return Value::ofNumber(high ? field.high : field.low);
    case Kind::Flag:
    case Kind::WatchFlag:
        return Value::ofFlag(high);
    case Kind::Word:
        return Value::ofText(high ? QStringLiteral("2.2.4") : QString());
    case Kind::Colour:
        return Value::ofText(high ? QStringLiteral("$00FF00") : QStringLiteral("clBlack"));
    case Kind::Points: {
        QList<Point> points;
        for (qint32 i = 0; high && i < field.high; ++i)
            points.append({i % 2 ? -strokes::kReach : strokes::kBoardWidth + strokes::kReach - 1,
                           i % 2 ? strokes::kBoardHeight + strokes::kReach - 1 : -strokes::kReach});
        return Value::ofPoints(points);
    }
    case Kind::Text:
        return Value::ofText(high ? QString::fromUtf8("a+b \xc3\xa9|clRed") : QString());
    case Kind::FeatureWords:
        return Value::ofWords(high ? QStringList{QStringLiteral("undo"), QStringLiteral("x-2")}
                                   : QStringList());
    case Kind::RejoinToken:
        return Value::ofText(high ? QStringLiteral("0123456789abcdef0123456789abcdef")
                                  : QString(kRejoinTokenLength, u'0'));
    case Kind::Scores:
        return Value::ofNumbers({1, -2, 3, 4, 5, 6, 7, 8, 9, high ? 2147483647 : -2147483647 - 1});
    case Kind::Empty:
        return Value{};
    }
    return {};
}

Values samples(std::span<const Field> fields, bool high)
{
    Values values;
    for (const Field& field : fields)
        values << sample(field, high);
    return values;
}

// The payload of a framed message.
QString payloadOf(const QByteArray& bytes)
{
    QByteArray body = bytes;
    while (body.endsWith(kTerminator))
        body.chop(1);
    const QString text = fromWire(body);
    return text.mid(text.indexOf(QLatin1Char('+')) + 1);
}

struct Way
{
    const Message* message;
    Direction way;
};

std::vector<Way> everyWay()
{
    std::vector<Way> ways;
    for (const Message& m : messages()) {
        if (m.toServer())
            ways.push_back({&m, Direction::ToServer});
        if (m.toClient())
            ways.push_back({&m, Direction::ToClient});
    }
    return ways;
}

TEST(Protocol, EveryMessageGoesThroughItsBuilderAndDecoderUnchanged)
{
    for (const auto& [m, way] : everyWay()) {
        const std::span<const Field> fields = m->fields(way);
        for (const bool high : {false, true}) {
            const Values values = samples(fields, high);
            const QByteArray bytes = encode(m->id, way, values);
            ASSERT_TRUE(bytes.startsWith(QByteArray(m->name) + '+')) << m->name;
            QString error;
            const std::optional<Values> back = decode(m->id, way, payloadOf(bytes), &error);
            ASSERT_TRUE(back) << m->name << ": " << error.toStdString();
            ASSERT_EQ(back->size(), values.size()) << m->name;
            for (size_t i = 0; i < fields.size(); ++i)
                EXPECT_EQ(fieldText(fields[i], back->at(i)), fieldText(fields[i], values[i]))
                    << m->name << " " << fields[i].name;
        }
        EXPECT_EQ(find(m->qName()), m);
    }
    EXPECT_EQ(find(QStringLiteral("CMD_Chat")), nullptr);
    // The first version's log-in ends with an empty entry.
    EXPECT_TRUE(encode(Id::logininfo, Direction::ToServer, samples(message(Id::logininfo).request, true))
                    .endsWith(QByteArray(2, kTerminator)));
}

TEST(Protocol, EveryDecoderRefusesEachFieldOnePastItsRange)
{
    int refused = 0;
    for (const auto& [m, way] : everyWay()) {
        const std::span<const Field> fields = m->fields(way);
        for (size_t i = 0; i < fields.size(); ++i) {
            const Field& field = fields[i];
            QStringList pastTexts;
            switch (field.kind) {
            case Kind::Integer:
                if (field.low > std::numeric_limits<qint32>::min())
                    pastTexts << QString::number(qint64(field.low) - 1);
                if (field.high < std::numeric_limits<qint32>::max())
                    pastTexts << QString::number(qint64(field.high) + 1);
                pastTexts << QStringLiteral("x");
                break;
            case Kind::WatchFlag:
                pastTexts << QStringLiteral("0") << QStringLiteral("3");
                break;
            case Kind::Colour:
                pastTexts << QStringLiteral("clNoSuchColour");
                break;
            case Kind::Points: {
                Value many = sample(field, true);
                many.points.append({0, 0});
                using namespace strokes;
                pastTexts << fieldText(field, many) << QStringLiteral("+%1,0+").arg(kBoardWidth + kReach)
                          << QStringLiteral("+%1,0+").arg(-kReach - 1)
                          << QStringLiteral("+0,%1+").arg(kBoardHeight + kReach)
                          << QStringLiteral("+0,%1+").arg(-kReach - 1) << QStringLiteral("+1,x+");
                break;
            }
            case Kind::FeatureWords: {
                QStringList seventeen;
                for (int w = 0; w <= kMaxFeatureWords; ++w)
                    seventeen << QStringLiteral("w%1").arg(w);
                pastTexts << seventeen.join(QLatin1Char(',')) << QString(kMaxFeatureWordLength + 1, u'a')
                          << QStringLiteral("A");
                break;
            }
            case Kind::RejoinToken:
                pastTexts << QString(kRejoinTokenLength - 1, u'0') << QString(kRejoinTokenLength + 1, u'0')
                          << QString(kRejoinTokenLength, u'A');
                break;
            default:
                break;
            }
            for (const QString& past : pastTexts) {
                QStringList texts;
                const Values values = samples(fields, true);
                for (size_t j = 0; j < fields.size(); ++j)
                    texts << (j == i ? past : fieldText(fields[j], values[j]));
                EXPECT_FALSE(decode(m->id, way, payloadOf(frame(m->id, way, texts))))
                    << m->name << " " << field.name << " = " << past.toStdString();
                ++refused;
            }
        }
    }
    EXPECT_GT(refused, 100);
}

TEST(Protocol, TheDescriptionKeptInTheTreeIsTheTable)
{
    const QString path = QStringLiteral(PICTOVA_SOURCE_DIR "/messaging/protocol.json");
    const QByteArray table = describe();
    if (qEnvironmentVariableIsSet("PICTOVA_WRITE_PROTOCOL")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(table);
    }
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(kept.readAll(), table)
        << "messaging/protocol.json differs from the table: run this test with PICTOVA_WRITE_PROTOCOL=1";
}

} // namespace
