#include "app/QuorvixWindows.h"

QuorvixWindows::QuorvixWindows(const QString& programFolder, std::function<uint32_t()> clockSeed)
    : form1(programFolder, std::move(clockSeed)),
      form3(form1.Leads(), &form1),
      form2(form1.Leads(), form3, &form1),
      form4(&form1, OptionsLinks{form1.Settings(), form1.ProgramFolder(), [this] { form1.ApplyCardSet(); },
                                 [this] { form1.NewGameOrStop(); }}),
      about(&form1),
      help(&form1) {
    form1.SetWindows(&form3, &form2, &form4, &about, &help);
}
