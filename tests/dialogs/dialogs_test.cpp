// Property dialogs opened offscreen on a small bench: boxes filled, OK or
// Cancel pressed, the record checked.

#include <QMouseEvent>

#include "dialog_fixture.h"
#include "dialogs/bulb_dialogs.h"
#include "dialogs/induction_dialogs.h"
#include "dialogs/meter_dialogs.h"
#include "dialogs/output_dialogs.h"
#include "dialogs/property_dialogs.h"
#include "dialogs/resistor_dialogs.h"
#include "dialogs/source_dialogs.h"
#include "model/kinds.h"

namespace voltaro::testing {
namespace {

constexpr double PI = 3.141592653589793;

void Press(QWidget* w, QPoint at, Qt::MouseButton button, QEvent::Type type) {
  QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

TEST(SourceDialogWidgets, SupplyVoltageInWordsIsReplacedByZero) {
  DialogBench t;
  ElementRecord& supply = t.el(t.place(KIND_VOLTAGE_SUPPLY));
  Form3 d(nullptr, Pictures(), supply);
  t.hear(d);
  EXPECT_EQ(d.Edit1->text(), "1");
  d.Edit1->setText("abc");
  d.ok_button()->click();
  EXPECT_EQ(t.messages, QStringList{MSG_REAL});
  EXPECT_EQ(d.Edit1->text(), "0");
  EXPECT_NE(d.result(), QDialog::Accepted);
  EXPECT_EQ(supply.emf, 1);

  // The voltage now passes and is kept although the resistance is refused.
  d.Edit1->setText("4.5");
  d.Edit2->setText("-1");
  d.ok_button()->click();
  EXPECT_EQ(t.messages.last(), MSG_NON_NEGATIVE_SPACED);
  EXPECT_EQ(d.focusWidget(), d.Edit2);
  EXPECT_EQ(supply.emf, 4.5);
  EXPECT_TRUE(d.isVisible());

  d.Edit2->setText("0.5");
  d.ok_button()->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(supply.resistance, 0.5);
}

TEST(SourceDialogWidgets, FailingBoxGetsTheFocusAndNothingIsWritten) {
  DialogBench t;
  ElementRecord& set = t.el(t.place(KIND_BATTERY_SET));
  Form18 d(nullptr, Pictures(), set);
  t.hear(d);
  EXPECT_EQ(d.Edit2->text(), "4");
  d.Edit1->setText("0.5");
  d.Edit2->setText("2.5");
  d.ok_button()->click();
  EXPECT_EQ(t.messages, QStringList{MSG_INTEGER});
  EXPECT_EQ(d.focusWidget(), d.Edit2);
  EXPECT_EQ(set.param2, 0);
  EXPECT_EQ(set.emf, 6);

  d.Edit2->setText("0");
  d.ok_button()->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(set.emf, 0);
  EXPECT_EQ(set.resistance, 0);
}

TEST(ResistorDialogWidgets, SlideResistorFollowsTheSlipperOnTheBench) {
  DialogBench t;
  const int index = t.place(KIND_SLIDE_RHEOSTAT);
  RheostatRecord& r = t.bench.rheostats[index];
  Form7 d(nullptr, Pictures(), t.bench, index);
  t.hear(d);
  EXPECT_EQ(d.TrackBar1->value(), 50);
  EXPECT_EQ(t.analyses, 0);  // opening moves nothing

  d.TrackBar1->setValue(100);
  EXPECT_EQ(d.Label5->text(), "100 %");
  EXPECT_EQ(r.coil_resistance_1, 50);
  EXPECT_EQ(r.coil_resistance_2, 0);
  EXPECT_GT(t.analyses, 0);

  d.Edit1->setText("0");
  d.ok_button()->click();
  EXPECT_EQ(t.messages, QStringList{MSG_POSITIVE_SPACED});
  EXPECT_EQ(r.resistance, 50);
  d.reject();
  EXPECT_EQ(t.bench.rheostats[index].in_use, 1);
  EXPECT_EQ(r.slider, 1);  // Cancel keeps what the slipper did
}

TEST(ResistorDialogWidgets, ResistanceBoxDialsTurnAndCancelPutsTheValueBack) {
  DialogBench t;
  ElementRecord& box = t.el(t.place(KIND_RESISTANCE_BOX));
  box.resistance = 9.5;
  Form12 d(nullptr, Pictures(), QString(VOLTARO_BIN_DIR) + "/obj", t.bench, 0);
  t.hear(d);
  EXPECT_EQ(d.Label2->text(), "9");

  const QPoint units = DecadeDials::centre(0);
  Press(d.Dials, units, Qt::LeftButton, QEvent::MouseButtonPress);
  EXPECT_EQ(d.Label2->text(), "0");
  EXPECT_EQ(box.resistance, 0);
  EXPECT_EQ(t.analyses, 1);
  Press(d.Dials, units, Qt::RightButton, QEvent::MouseButtonPress);
  Press(d.Dials, DecadeDials::centre(5), Qt::LeftButton, QEvent::MouseButtonPress);
  EXPECT_EQ(d.Label2->text(), "100009");
  EXPECT_EQ(box.resistance, 100009);

  d.reject();
  EXPECT_EQ(box.resistance, 9.5);  // as it was, fraction and all
}

TEST(ResistorDialogWidgets, ResistanceWireComputesBeforeItIsTaken) {
  DialogBench t;
  ElementRecord& wire = t.el(t.place(KIND_RESISTANCE_WIRE));
  wire.param1 = 0;  // a wire a file left without sizes opens without a message
  Form11 d(nullptr, Pictures(), wire);
  t.hear(d);
  EXPECT_TRUE(t.messages.isEmpty());
  d.Edit1->setText("2e-6");
  d.BitBtn1->click();
  EXPECT_EQ(d.Label14->text(), "2 ohm");
  EXPECT_EQ(wire.resistance, 1);
  d.ok_button()->click();
  EXPECT_EQ(wire.resistance, 2);
}

TEST(BulbDialogWidgets, RatingAndTheEffectChosenBefore) {
  DialogBench t;
  ElementRecord& bulb = t.el(t.place(KIND_BULB));
  Form10 d(nullptr, Pictures(), bulb);
  t.hear(d);
  EXPECT_EQ(d.effect(), 8);
  EXPECT_FALSE(d.SpeedButton1->icon().isNull());
  d.Edit1->setText("2.5");
  d.Edit2->setText("0.75");
  d.Edit3->setText("0.6");
  d.ok_button()->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_DOUBLE_EQ(bulb.resistance, 8.333333333333334);
  EXPECT_EQ(bulb.param2, 8);
}

// A rated voltage whose resistance V^2 / P is no number is refused in its
// own box, and the bulb keeps its rating.
TEST(BulbDialogWidgets, RatingWithoutAResistanceIsRefused) {
  for (const char* voltage : {"1e300", "1e-300"}) {
    SCOPED_TRACE(voltage);
    DialogBench t;
    ElementRecord& bulb = t.el(t.place(KIND_BULB));
    Form10 d(nullptr, Pictures(), bulb);
    t.hear(d);
    d.Edit1->setText(voltage);
    d.ok_button()->click();
    EXPECT_EQ(t.messages, QStringList{MSG_POSITIVE});
    EXPECT_EQ(d.focusWidget(), d.Edit1);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(bulb.resistance, 10);
  }
}

TEST(BulbDialogWidgets, EffectPickerTakesOnlyPicturesThreeToTen) {
  Form20 picker(nullptr, Pictures());
  picker.show();
  for (int number : {1, 2, 11}) {
    Press(picker.image(number), {5, 5}, Qt::LeftButton, QEvent::MouseButtonRelease);
  }
  EXPECT_FALSE(picker.chosen().has_value());
  Press(picker.image(3), {5, 5}, Qt::LeftButton, QEvent::MouseButtonRelease);
  EXPECT_EQ(picker.chosen(), 3);
  EXPECT_EQ(picker.result(), QDialog::Accepted);
}

TEST(BulbDialogWidgets, ChoiceButtonWritesItsRating) {
  DialogBench t;
  ElementRecord& bulb = t.el(t.place(KIND_BULB));
  Form32 d(nullptr, Pictures(), bulb);
  d.show();
  EXPECT_EQ(d.button(3)->text(), "220V   40W");
  d.button(3)->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(bulb.resistance, 1210);
  EXPECT_EQ(bulb.param1, 40);
  EXPECT_EQ(bulb.param2, 3);
  EXPECT_EQ(bulb.max_current, 0.36);
}

TEST(MeterDialogWidgets, VoltmeterShowsTheChosenRangesBox) {
  DialogBench t;
  DualMeterRecord& m = t.bench.voltmeters[t.place(KIND_POINTER_VOLTMETER)];
  m.range_resistance_1 = 1000;
  m.range_resistance_2 = 4000;
  bool low_last = true;
  Form24 d(nullptr, Pictures(), m, low_last);
  t.hear(d);
  EXPECT_TRUE(d.RadioButton2->isChecked());  // range 4 wins over the last state
  EXPECT_TRUE(d.Edit2->isVisible());
  EXPECT_FALSE(d.Edit1->isVisible());
  EXPECT_EQ(d.Edit2->text(), "5000");

  d.RadioButton1->click();
  EXPECT_TRUE(d.Edit1->isVisible());
  EXPECT_FALSE(d.Edit2->isVisible());
  d.Default->click();
  EXPECT_EQ(d.Edit1->text(), "990");
  d.ok_button()->click();
  EXPECT_EQ(m.range_in_use, LOW_RANGE);
  EXPECT_EQ(m.range_resistance_2, 3960);
  EXPECT_TRUE(low_last);
}

TEST(MeterDialogWidgets, AmmeterNoDialogHasSetKeepsTheLastRangeButtons) {
  DialogBench t;
  DualMeterRecord& m = t.bench.ammeters[t.place(KIND_POINTER_AMMETER)];
  ASSERT_EQ(m.range_in_use, 0);
  for (bool low_last : {false, true}) {
    SCOPED_TRACE(low_last);
    bool last = low_last;
    Form25 d(nullptr, Pictures(), m, last);
    t.hear(d);
    EXPECT_EQ(d.RadioButton1->isChecked(), low_last);
    d.reject();
  }
  bool last = false;
  Form25 d(nullptr, Pictures(), m, last);
  t.hear(d);
  EXPECT_EQ(d.Edit2->text(), "0.025");
  d.Edit2->setText("150");
  d.ok_button()->click();
  EXPECT_EQ(t.messages, QStringList{MSG_AMMETER_RANGE});
  EXPECT_EQ(d.focusWidget(), d.Edit2);
}

TEST(MeterDialogWidgets, GalvanometerRateList) {
  DialogBench t;
  ElementRecord& g = t.el(t.place(KIND_GALVANOMETER));
  g.param1 = 1000;
  {
    Form13 d(nullptr, Pictures(), g);
    EXPECT_EQ(d.ComboBox1->currentIndex(), 5);
  }
  g.param1 = 2;
  Form13 d(nullptr, Pictures(), g);
  EXPECT_EQ(d.ComboBox1->currentIndex(), -1);
  d.ComboBox1->setCurrentIndex(0);
  d.ok_button()->click();
  EXPECT_EQ(g.param1, 0.01);
}

TEST(OutputDialogWidgets, SignalLightTakesItsSwatchColour) {
  DialogBench t;
  ElementRecord& light = t.el(t.place(KIND_SIGNAL_LIGHT));
  Form21 d(nullptr, Pictures(), light);
  t.hear(d);
  EXPECT_EQ(d.Pie1->color(), QColor(0, 255, 0));  // 65280: green
  d.pick_color = [](QWidget*, const QColor&) { return std::optional<QColor>(Qt::red); };
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(d.Pie1, &release);
  d.ok_button()->click();
  EXPECT_EQ(light.param2, 255);
}

TEST(InductionDialogWidgets, GeneratorWritesAsTheTrackBarsMoveAndCancelKeepsIt) {
  DialogBench t;
  ElementRecord& g = t.el(t.place(KIND_AC_GENERATOR));
  g.param1 = PI;
  Form28 d(nullptr, Pictures(), g);
  t.hear(d);
  EXPECT_EQ(d.TrackBar3->value(), 18);
  EXPECT_EQ(d.TrackBar2->value(), 16);  // speed 5
  d.TrackBar2->setValue(11);
  EXPECT_EQ(g.param3, 0);
  EXPECT_EQ(g.param1, PI);  // the speed bar leaves the angle alone
  d.reject();
  EXPECT_EQ(g.param3, 0);
}

TEST(EntryPoints, PropertiesOpenTheKindsDialogOnItsRecord) {
  DialogBench t;
  const int r = t.place(KIND_FIXED_RESISTOR);
  WhenModalOpens([](BenchDialog& d) {
    auto* form = qobject_cast<Form2*>(&d);
    ASSERT_NE(form, nullptr);
    form->ComboBox1->setEditText("47");
    form->ok_button()->click();
  });
  EXPECT_EQ(EditProperties(nullptr, t.bench, Pictures(), KIND_FIXED_RESISTOR, r),
            DialogOutcome::Accepted);
  EXPECT_EQ(t.el(r).resistance, 47);

  const int relay = t.place(KIND_RELAY);
  WhenModalOpens([](BenchDialog& d) {
    ASSERT_NE(qobject_cast<Form22*>(&d), nullptr);
    d.reject();
  });
  EXPECT_EQ(EditProperties(nullptr, t.bench, Pictures(), KIND_RELAY, relay),
            DialogOutcome::Cancelled);
}

TEST(EntryPoints, KindsWithoutSettingsOpenNothing) {
  DialogBench t;
  const int sw = t.place(KIND_SPST_SWITCH);
  for (int32_t kind : {KIND_SPST_SWITCH, KIND_DIGITAL_VOLTMETER, KIND_DIODE, KIND_DC_MOTOR}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(EditProperties(nullptr, t.bench, Pictures(), kind, sw), DialogOutcome::Cancelled);
  }
  // An index that holds no record of that kind opens nothing either.
  EXPECT_EQ(EditProperties(nullptr, t.bench, Pictures(), KIND_FIXED_RESISTOR, sw),
            DialogOutcome::Cancelled);
  EXPECT_EQ(EditProperties(nullptr, t.bench, Pictures(), KIND_SLIDE_RHEOSTAT, 3),
            DialogOutcome::Cancelled);
}

}  // namespace
}  // namespace voltaro::testing
