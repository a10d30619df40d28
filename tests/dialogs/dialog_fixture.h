#pragma once
// A bench to open dialogs on, and a way to hear what they say.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "dialogs/dialog_frame.h"
#include "model/placement.h"
#include "model/tables.h"
#include "render/pictures.h"
#include "support/recording_observer.h"
#include "support/test_bench.h"

namespace voltaro::testing {

const PictureSet& Pictures();

struct DialogBench : TestBench {
  testing::RecordingObserver observer{bench};
  const int& analyses = observer.analyses;
  QStringList messages;

  // Messages of `dialog` are collected instead of shown.
  template <class D>
  D& hear(D& dialog) {
    dialog.show_message = [this](QWidget*, const QString& text) { messages << text; };
    dialog.show();
    return dialog;
  }
};

// Runs `act` on the modal dialog that the next call opens.
inline void WhenModalOpens(std::function<void(BenchDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* d = qobject_cast<BenchDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr) << "no dialog is open";
    act(*d);
  });
}

}  // namespace voltaro::testing
