#include "core/numbers.h"

#include "failures.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace num;

namespace {

// Sets the process's C locale (all categories, as a program's start-up does from LANG) for its
// lifetime, and puts the previous one back.
class CLocale {
  public:
    explicit CLocale(const QString& name) : m_name(name.toLatin1()) {
        m_saved = std::setlocale(LC_ALL, nullptr);
        m_set = std::setlocale(LC_ALL, m_name.constData()) != nullptr;
    }
    ~CLocale() { std::setlocale(LC_ALL, m_saved.c_str()); }
    CLocale(const CLocale&) = delete;
    CLocale& operator=(const CLocale&) = delete;
    bool isSet() const { return m_set; }
    QString missing() const {
        return QStringLiteral("The C library has no locale %1 (scripts/deps.sh installs locales-all).")
            .arg(QString::fromLatin1(m_name));
    }

  private:
    QByteArray m_name;
    std::string m_saved;
    bool m_set = false;
};

} // namespace

Q_DECLARE_METATYPE(std::int16_t)

class TestNumbers : public QObject {
    Q_OBJECT

  private slots:
    void toSingle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("value");
        QTest::newRow("integer") << "12" << 12.0f;
        QTest::newRow("blanks trimmed") << "  3.5 " << 3.5f;
        QTest::newRow("exponent") << "1E3" << 1000.0f;
        QTest::newRow("lower-case exponent") << "2e-2" << 0.02f;
        QTest::newRow("signed exponent") << "-1.5E+2" << -150.0f;
        QTest::newRow("plus sign") << "+7" << 7.0f;
        QTest::newRow("leading point") << ".25" << 0.25f;
        QTest::newRow("trailing point") << "4." << 4.0f;
        QTest::newRow("rounded to single") << "0.1" << 0.1f;
        QTest::newRow("underflow is zero") << "1E-60" << 0.0f;
        QTest::newRow("largest single") << "3.4E38" << 3.4e38f;
    }
    void toSingle() {
        QFETCH(QString, text);
        QFETCH(float, value);
        QCOMPARE(num::toSingle(text).value(), value);
    }

    void badText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("description");
        for (const char* t : {"", "   ", "-", "+", "E", ".", "1.2.3", "12abc", "1E", "E5", "1,000", "--1",
                              "1 2", "0x10", "inf", "nan", "\t"})
            QTest::newRow(t) << QString::fromLatin1(t) << QStringLiteral("not a number");
        QTest::newRow("beyond single") << "3.5E38" << QStringLiteral("too large");
        QTest::newRow("beyond single, negative") << "-1E39" << QStringLiteral("too large");
        QTest::newRow("beyond double") << "1E309" << QStringLiteral("too large");
    }
    void badText() {
        QFETCH(QString, text);
        QFETCH(QString, description);
        QCOMPARE(failureOf([&] { num::toSingle(text); }), description);
    }

    // What the error trap says, in a student's words: the box by its prompt, and what to do.
    void descriptions_data() {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("description");
        const int notANumber = int(Failure::NotANumber), tooLarge = int(Failure::TooLarge);
        const QString mass = QStringLiteral("Enter the mass in Kg.");
        QTest::newRow("not a number, box") << notANumber << "1200 kg" << mass
                                           << "The value for \"Enter the mass in Kg.\" is not a number: "
                                              "\"1200 kg\". Type only the number, such as 1200 or 1.2E3.";
        QTest::newRow("not a number")
            << notANumber << " 1..5 " << QString()
            << "\"1..5\" is not a number. Type only the number, such as 1200 or 1.2E3.";
        QTest::newRow("empty box") << notANumber << ""
                                   << "Angle\n of  force:"
                                   << "The value for \"Angle of force:\" is missing. Type a number, such as "
                                      "1200 or 1.2E3.";
        QTest::newRow("empty") << notANumber << "  " << QString()
                               << "A value is missing. Type a number, such as 1200 or 1.2E3.";
        QTest::newRow("too large, box") << tooLarge << "1E39" << mass
                                        << "The value for \"Enter the mass in Kg.\" is too large: \"1E39\". "
                                           "Type a smaller number.";
        QTest::newRow("too large") << tooLarge << "40000" << QString()
                                   << "\"40000\" is too large to work with.";
        QTest::newRow("answer too large") << tooLarge << "" << mass << "The answer is too large to show.";
        QTest::newRow("division by zero")
            << int(Failure::DivisionByZero) << "" << mass
            << "This would divide by zero. Check the values the formula divides by.";
        QTest::newRow("negative root") << int(Failure::NegativeRoot) << "" << QString()
                                       << "There is no real answer: the square root of a negative number.";
        QTest::newRow("no answer") << int(Failure::NoAnswer) << "" << QString()
                                   << "There is no answer for these values. Check them against the formula.";
    }
    void descriptions() {
        QFETCH(int, failure);
        QFETCH(QString, text);
        QFETCH(QString, prompt);
        QFETCH(QString, description);
        QCOMPARE(num::describe(Failure(failure), text, prompt), description);
    }

    // A failure in reading a box carries the text and the box; the description alone names no box.
    void failureOfABox() {
        try {
            num::inBox(QStringLiteral("Text2"), [] { return num::toSingle(QStringLiteral("12abc")); });
            QFAIL("no failure");
        } catch (const CalcError& e) {
            QCOMPARE(e.box(), QStringLiteral("Text2"));
            QCOMPARE(e.text(), QStringLiteral("12abc"));
            QCOMPARE(e.description(), num::describe(Failure::NotANumber, QStringLiteral("12abc")));
        }
    }

    void doubleRange() {
        QCOMPARE(num::toDouble("1E300").value(), 1e300);
        QCOMPARE(failureOf([] { num::toDouble("1E309"); }), QStringLiteral("too large"));
        QCOMPARE(num::toDouble("0.1").value(), 0.1);
    }

    // Reading typed text never depends on the regional settings: "1.5" is one and a half in German too.
    void decimalPointWhateverTheLocale() {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const float v = num::toSingle("1.5").value();
        const QString bad = failureOf([] { num::toSingle("1,5"); });
        QLocale::setDefault(saved);
        QCOMPARE(v, 1.5f);
        QCOMPARE(bad, QStringLiteral("not a number"));
    }

    void toInteger_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << 42;
        QTest::newRow("half to even, down") << "2.5" << 2;
        QTest::newRow("half to even, up") << "3.5" << 4;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("rounds") << "2.6" << 3;
        QTest::newRow("lowest") << "-32768" << -32768;
        QTest::newRow("highest") << "32767" << 32767;
        QTest::newRow("rounds into range") << "32767.4" << 32767;
    }
    void toInteger() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(num::toInteger(text)), value);
    }
    void toIntegerOverflow() {
        QCOMPARE(failureOf([] { num::toInteger("32768"); }), QStringLiteral("too large"));
        QCOMPARE(failureOf([] { num::toInteger("32767.5"); }), QStringLiteral("too large"));
        QCOMPARE(failureOf([] { num::toInteger("-32769"); }), QStringLiteral("too large"));
        QCOMPARE(failureOf([] { num::toInteger("x"); }), QStringLiteral("not a number"));
    }

    void checkedArithmetic() {
        const Single big(3e38f);
        QCOMPARE(failureOf([&] { big* Single(10.0f); }), QStringLiteral("too large"));
        QCOMPARE(failureOf([&] { big + big; }), QStringLiteral("too large"));
        QCOMPARE(failureOf([] { Single(1.0f) / Single(0.0f); }), QStringLiteral("division by zero"));
        QCOMPARE(failureOf([] { Single(0.0f) / Single(0.0f); }), QStringLiteral("division by zero"));
        QCOMPARE(failureOf([] { num::sqrt(Single(-1.0f)); }), QStringLiteral("negative root"));
        QCOMPARE(failureOf([] { num::pow(Single(0.0f), Single(-1.0f)); }),
                 QStringLiteral("division by zero"));
        QCOMPARE(failureOf([] { num::pow(Single(-8.0f), Single(0.5f)); }), QStringLiteral("no answer"));
        QCOMPARE(failureOf([] { Double(1e308) * Double(10.0); }), QStringLiteral("too large"));
        // Single precision all the way: 0.1 + 0.2 is the single sum, not the double one.
        QCOMPARE((Single(0.1f) + Single(0.2f)).value(), 0.1f + 0.2f);
        QCOMPARE((Single(7.0f) - Single(10.0f)).value(), -3.0f);
        QCOMPARE(num::sqrt(Single(16.0f)).value(), 4.0f);
    }

    void angles() {
        // The program's own value of pi, 3.14159265, as written.
        QCOMPARE(num::radians(Single(180.0f)).value(), 3.14159265f);
        QCOMPARE(num::degrees(Single(3.14159265f)).value(), 180.0f);
        // In double precision too: 3.14159265, not the true pi 3.6E-9 above it.
        QVERIFY(qAbs(num::radians(Double(180.0)).value() - 3.14159265) < 1e-15);
        QVERIFY(qAbs(num::degrees(Double(3.14159265)).value() - 180.0) < 1e-12);
        QCOMPARE(num::atan2(Single(-1.0f), Single(-1.0f)).value(), std::atan2(-1.0f, -1.0f));
        QCOMPARE(failureOf([] { num::atan2(Single(0.0f), Single(0.0f)); }), QStringLiteral("no answer"));
        // The arcsine reaches the ends of its range; beyond them there is no angle.
        QCOMPARE(num::asin(Double(-1.0)).value(), -std::asin(1.0));
        QCOMPARE(failureOf([] { num::asin(Double(1.0000001)); }), QStringLiteral("no answer"));
    }

    // Whole multiples of 90 degrees are exact in every quadrant, below zero and beyond a turn, in
    // either precision; the tangent is undefined where the cosine is 0.
    void rightAngles_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("sine");
        QTest::addColumn<double>("cosine");
        QTest::addColumn<bool>("tangent");
        QTest::newRow("0") << 0.0 << 0.0 << 1.0 << true;
        QTest::newRow("90") << 90.0 << 1.0 << 0.0 << false;
        QTest::newRow("180") << 180.0 << 0.0 << -1.0 << true;
        QTest::newRow("270") << 270.0 << -1.0 << 0.0 << false;
        QTest::newRow("360") << 360.0 << 0.0 << 1.0 << true;
        QTest::newRow("450") << 450.0 << 1.0 << 0.0 << false;
        QTest::newRow("540") << 540.0 << 0.0 << -1.0 << true;
        QTest::newRow("-90") << -90.0 << -1.0 << 0.0 << false;
        QTest::newRow("-180") << -180.0 << 0.0 << -1.0 << true;
        QTest::newRow("-270") << -270.0 << 1.0 << 0.0 << false;
        QTest::newRow("-360") << -360.0 << 0.0 << 1.0 << true;
        QTest::newRow("-450") << -450.0 << -1.0 << 0.0 << false;
        QTest::newRow("a million right angles") << 9e7 << 0.0 << 1.0 << true;
    }
    void rightAngles() {
        QFETCH(double, degrees);
        QFETCH(double, sine);
        QFETCH(double, cosine);
        QFETCH(bool, tangent);
        const Trig<float> s = trigOfDegrees(Single(float(degrees)));
        QCOMPARE(s.sine.value(), float(sine));
        QCOMPARE(s.cosine.value(), float(cosine));
        QCOMPARE(s.tangent.has_value(), tangent);
        const Trig<double> d = trigOfDegrees(Double(degrees));
        QCOMPARE(d.sine.value(), sine);
        QCOMPARE(d.cosine.value(), cosine);
        QCOMPARE(d.tangent.has_value(), tangent);
        if (tangent) {
            QCOMPARE(s.tangent->value(), 0.0f);
            QCOMPARE(d.tangent->value(), 0.0);
        }
    }

    // Every other angle keeps the arithmetic of angle x 3.14159265 / 180 to the last bit, in the
    // angle's own precision, once its whole turns are gone.
    void otherAngles_data() {
        QTest::addColumn<double>("degrees");
        for (double a :
             {30.0, 45.0, 60.0, 89.9, 90.5, 135.0, 179.99, 269.0, -30.0, -91.0, 1e-3, 450.1, 12345.6})
            QTest::newRow(qPrintable(QString::number(a))) << a;
    }
    void otherAngles() {
        QFETCH(double, degrees);
        const float f = float(degrees), rf = std::fmod(f, 360.0f) * 3.14159265f / 180.0f;
        const Trig<float> s = trigOfDegrees(Single(f));
        QVERIFY(s.sine.value() == std::sin(rf));
        QVERIFY(s.cosine.value() == std::cos(rf));
        QVERIFY(s.tangent && s.tangent->value() == std::tan(rf));
        const double rd = std::fmod(degrees, 360.0) * 3.14159265 / 180.0;
        const Trig<double> d = trigOfDegrees(Double(degrees));
        QVERIFY(d.sine.value() == std::sin(rd));
        QVERIFY(d.cosine.value() == std::cos(rd));
        QVERIFY(d.tangent && d.tangent->value() == std::tan(rd));
    }

    // An angle of any size acts as what is left of it after whole turns: 1E10 degrees as 280.
    void anglesBeyondATurn_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("sine"); // to five decimals
        QTest::newRow("1E10") << 1e10 << -0.98481;
        QTest::newRow("-370") << -370.0 << -0.17365;
        QTest::newRow("3E38") << double(3e38f)
                              << std::sin(std::fmod(double(3e38f), 360.0) * 3.14159265 / 180.0);
        QTest::newRow("1E308") << 1e308 << std::sin(std::fmod(1e308, 360.0) * 3.14159265 / 180.0);
    }
    void anglesBeyondATurn() {
        QFETCH(double, degrees);
        QFETCH(double, sine);
        QVERIFY(qAbs(trigOfDegrees(Double(degrees)).sine.value() - sine) < 5e-6);
        if (std::abs(degrees) < 3.4e38)
            QVERIFY(qAbs(trigOfDegrees(Single(float(degrees))).sine.value() - sine) < 5e-6);
    }

    // A double result goes back into single precision, or fails where single precision ends.
    void narrowing() {
        QCOMPARE(num::narrow(Double(0.1)).value(), 0.1f);
        QCOMPARE(failureOf([] { num::narrow(Double(1e39)); }), QStringLiteral("too large"));
    }

    // The plain conversion writes "." under any C locale the desktop sets (the program's start-up
    // takes the C locale from LANG, as every program does).
    void plainSingle_data() {
        QTest::addColumn<QString>("cLocale");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        const struct {
            const char* name;
            float value;
            const char* text;
        } rows[] = {
            {"whole", 2.0f, "2"},
            {"half", 0.5f, "0.5"},
            {"9.8", 9.8f, "9.8"},
            {"0.1 single", 0.1f, "0.1"},
            {"negative", -7.0f, "-7"},
            {"zero", 0.0f, "0"},
            {"negative zero", -0.0f, "0"},
            {"seven digits", 1234567.0f, "1234567"},
            {"large", 12345678.0f, "1.234568E+07"},
            {"ten million", 1e7f, "1E+07"},
            {"small", 1e-5f, "1E-05"},
            {"ten thousandth", 0.0001f, "0.0001"},
            {"rounded to seven", 3.14159265f, "3.141593"},
            {"gravitation", 6.673e-11f, "6.673E-11"},
            {"below 1E15", 123456789012345.0f, "1.234568E+14"},
            // From 1E15 on too, with every digit up to seven (results switch to 0.000E+00 there).
            {"the single nearest 1E15", 1e15f, "1E+15"},
            {"huge", 3e38f, "3E+38"},
            {"huge negative", -1.9857e20f, "-1.9857E+20"},
            {"huge with seven digits", 1.234567e26f, "1.234567E+26"},
            {"negative fraction", -12.25f, "-12.25"},
        };
        for (const char* cLocale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"})
            for (const auto& r : rows)
                QTest::addRow("%s, %s", r.name, cLocale)
                    << QString::fromLatin1(cLocale) << r.value << QString::fromLatin1(r.text);
    }
    void plainSingle() {
        QFETCH(QString, cLocale);
        QFETCH(float, value);
        QFETCH(QString, text);
        const CLocale scope(cLocale);
        QVERIFY2(scope.isSet(), qPrintable(scope.missing()));
        QCOMPARE(num::plain(Single(value)), text);
    }

    void plainDouble_data() {
        QTest::addColumn<QString>("cLocale");
        for (const char* cLocale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"})
            QTest::newRow(cLocale) << QString::fromLatin1(cLocale);
    }
    void plainDouble() {
        QFETCH(QString, cLocale);
        const CLocale scope(cLocale);
        QVERIFY2(scope.isSet(), qPrintable(scope.missing()));
        QCOMPARE(num::plain(Double(0.1)), QStringLiteral("0.1"));
        QCOMPARE(num::plain(Double(1.008)), QStringLiteral("1.008"));
        QCOMPARE(num::plain(Double(1.0 / 3.0)), QStringLiteral("0.333333333333333"));
        QCOMPARE(num::plain(Double(999999999999999.0)), QStringLiteral("999999999999999"));
        QCOMPARE(num::plain(Double(1e15)), QStringLiteral("1E+15"));
        QCOMPARE(num::plain(Double(1e18)), QStringLiteral("1E+18"));
        QCOMPARE(num::plain(Double(123456789e18)), QStringLiteral("1.23456789E+26"));
        QCOMPARE(num::plain(Double(12345678901234567890.0)), QStringLiteral("1.23456789012346E+19"));
        QCOMPARE(num::plain(Double(-1e300)), QStringLiteral("-1E+300"));
        QCOMPARE(num::plain(Double(1.602176634e-19)), QStringLiteral("1.602176634E-19"));
        QCOMPARE(num::plain(Double(123456789012345.0)), QStringLiteral("123456789012345"));
        // The plain text reads back as the same number.
        QCOMPARE(num::toSingle(num::plain(Single(12345678.0f))).value(), 12345680.0f);
        QCOMPARE(num::toSingle(num::plain(Single(-12.25f))).value(), -12.25f);
    }

    void resultRule_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << "en_US" << 0.5f << "0.500";
        QTest::newRow("grouping") << "en_US" << 1234.5f << "1,234.500";
        QTest::newRow("negative") << "en_US" << -2.0f << "-2.000";
        QTest::newRow("single value") << "en_US" << 1234567.89f << "1,234,567.875";
        QTest::newRow("rounds") << "en_US" << 2.0006f << "2.001";
        QTest::newRow("a half rounds up") << "en_US" << 0.0625f << "0.063";
        QTest::newRow("a negative half rounds away from zero") << "en_US" << -1.0625f << "-1.063";
        QTest::newRow("tiny negative is not -0.000") << "en_US" << -0.0001f << "0.000";
        QTest::newRow("negative zero") << "en_US" << -0.0f << "0.000";
        QTest::newRow("german") << "de_DE" << 1234567.89f << "1.234.567,875";
        QTest::newRow("german negative") << "de_DE" << -0.25f << "-0,250";
        QTest::newRow("german tiny negative") << "de_DE" << -0.0004f << "0,000";
        // Everyday small values keep the three decimals in every window.
        QTest::newRow("two people 1 m apart") << "en_US" << 2.80266e-7f << "0.000";
        QTest::newRow("below 1E15") << "en_US" << 140737488355328.0f << "140,737,488,355,328.000";
        QTest::newRow("the single nearest 1E15") << "en_US" << 1e15f << "1.000E+15";
        QTest::newRow("Earth and Moon product") << "en_US" << 2.928e37f << "2.928E+37";
        QTest::newRow("huge negative") << "en_US" << -5e16f << "-5.000E+16";
        QTest::newRow("largest single") << "en_US" << 3.4028235e38f << "3.403E+38";
        QTest::newRow("german huge") << "de_DE" << 1.98573e20f << "1,986E+20";
    }
    void resultRule() {
        QFETCH(QString, locale);
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(num::result(Single(value), QLocale(locale)), text);
    }

    void resultRuleDouble() {
        QCOMPARE(num::result(Double(999999999999999.0), QLocale(QStringLiteral("en_US"))),
                 QStringLiteral("999,999,999,999,999.000"));
        QCOMPARE(num::result(Double(1e15), QLocale(QStringLiteral("en_US"))), QStringLiteral("1.000E+15"));
        QCOMPARE(num::result(Double(-0.0001), QLocale(QStringLiteral("en_US"))), QStringLiteral("0.000"));
    }

    void scientificResult_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("two people") << "en_US" << 2.80266e-7 << "2.803E-07";
        QTest::newRow("Earth and Moon") << "en_US" << 1.985731e20 << "1.986E+20";
        QTest::newRow("whole mantissa") << "en_US" << 1e15 << "1.000E+15";
        QTest::newRow("rounds into the next power") << "en_US" << 9.9996e-3 << "1.000E-02";
        QTest::newRow("negative") << "en_US" << -4.5e-4 << "-4.500E-04";
        QTest::newRow("three exponent digits") << "en_US" << 1.5e-100 << "1.500E-100";
        QTest::newRow("german") << "de_DE" << 2.80266e-7 << "2,803E-07";
    }
    void scientificResult() {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(num::scientificResult(value, QLocale(locale)), text);
    }

    void lostAtThreeDecimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("lost");
        QTest::newRow("zero shows as zero") << 0.0 << false;
        QTest::newRow("shows 0.000") << 0.0004 << true;
        QTest::newRow("shows 0.001") << 0.0005 << true;
        QTest::newRow("shows 0.009") << 0.0094 << true;
        QTest::newRow("shows 0.010") << 0.00951 << false;
        QTest::newRow("shows 0.012") << 0.012 << false;
        QTest::newRow("negative, shows -0.009") << -0.009 << true;
        QTest::newRow("negative, shows -0.010") << -0.01 << false;
        QTest::newRow("large") << 66.73 << false;
    }
    void lostAtThreeDecimals() {
        QFETCH(double, value);
        QFETCH(bool, lost);
        QCOMPARE(num::isLostAtThreeDecimals(value), lost);
    }

    // Gravitation: the scientific form where three decimals would hide the value or bury it in
    // digits.
    void wideResult_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("two people 1 m apart") << "en_US" << 2.80266e-7f << "2.803E-07";
        QTest::newRow("two 10 kg balls") << "en_US" << 6.673e-9f << "6.673E-09";
        QTest::newRow("Earth and Moon") << "en_US" << 1.985731e20f << "1.986E+20";
        QTest::newRow("one significant digit") << "en_US" << 0.005f << "5.000E-03";
        QTest::newRow("two significant digits") << "en_US" << 0.012f << "0.012";
        QTest::newRow("everyday force") << "en_US" << 66.73f << "66.730";
        QTest::newRow("below 1E9") << "en_US" << 999999936.0f << "999,999,936.000";
        QTest::newRow("1E9") << "en_US" << 1e9f << "1.000E+09";
        QTest::newRow("zero") << "en_US" << 0.0f << "0.000";
        QTest::newRow("negative zero") << "en_US" << -0.0f << "0.000";
        QTest::newRow("german small") << "de_DE" << 2.80266e-7f << "2,803E-07";
        QTest::newRow("german everyday") << "de_DE" << 1234.5f << "1.234,500";
    }
    void wideResult() {
        QFETCH(QString, locale);
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(num::wideResult(Single(value), QLocale(locale)), text);
        QCOMPARE(num::wideResult(Double(double(value)), QLocale(locale)), text);
    }

    void namedFormats_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("scientific");
        QTest::addColumn<QString>("standard");
        QTest::newRow("light") << "en_US" << 299792458.0 << "3.00E+08"
                               << "299,792,458.00";
        QTest::newRow("gravitation") << "en_US" << 6.67e-11 << "6.67E-11"
                                     << "0.00";
        QTest::newRow("gravity") << "en_US" << 9.81 << "9.81E+00"
                                 << "9.81";
        QTest::newRow("half") << "en_US" << 0.5 << "5.00E-01"
                              << "0.50";
        QTest::newRow("grouping") << "en_US" << 1234.5 << "1.23E+03"
                                  << "1,234.50";
        QTest::newRow("negative") << "en_US" << -1.5 << "-1.50E+00"
                                  << "-1.50";
        QTest::newRow("three exponent digits") << "en_US" << 1e-100 << "1.00E-100"
                                               << "0.00";
        QTest::newRow("german") << "de_DE" << 1234.5 << "1,23E+03"
                                << "1.234,50";
    }
    void namedFormats() {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, scientific);
        QFETCH(QString, standard);
        QCOMPARE(num::scientific(value, QLocale(locale)), scientific);
        QCOMPARE(num::standard(value, QLocale(locale)), standard);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
