// orv append SOURCE.orv TARGET.orv [--from DATE --to DATE] [--overwrite-styles] [--target-password PW]:
// merges the source calendar into the target by the rules of the window's "Připojit ke kalendáři"
// and saves the target. --password is the source's password, --target-password the target's (without
// it the target's prompt is answered as any other). Exits 1 when the target gained nothing.
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"
#include "core/Cp1250.h"
#include "document/merge/AppendCommand.h"
#include "document/merge/AppendDialogModel.h"
#include "editor/CommentaryJoin.h"

namespace orv::cli {
namespace {

constexpr const char* kUsage =
    "Použití: orv append ZDROJ.orv CÍL.orv [--from RRRR-MM-DD] [--to RRRR-MM-DD] [--overwrite-styles] "
    "[--target-password HESLO]";

// Answers the target calendar's password prompt with --target-password.
class CTargetPasswordUi : public CForwardingUiServices {
 public:
  CTargetPasswordUi(IUiServices& inner, std::optional<std::string> password)
      : CForwardingUiServices(inner), m_Password(std::move(password)) {}
  std::optional<std::string> AskPassword(std::string_view prompt) override {
    return m_Password ? m_Password : Inner().AskPassword(prompt);
  }

 private:
  std::optional<std::string> m_Password;
};

// The options of the "Připojit" dialog from the command line: a range when a day is given.
std::optional<SAppendOptions> OptionsOf(const CliArgs& args, CliContext& ctx) {
  CAppendDialogModel model;
  model.m_bOverwriteStyles = args.Has("--overwrite-styles");
  for (const auto& [option, day] : {std::pair{"--from", &model.m_From}, std::pair{"--to", &model.m_To}}) {
    const std::optional<std::string> text = args.Value(option);
    if (!text) continue;
    const std::optional<Date> date = ParseDateArgument(*text, ctx);
    if (!date) return std::nullopt;
    *day = *date;
    model.m_bWholeCalendar = false;
  }
  return model.Accept(ctx.ui);
}

}  // namespace

int CmdAppend(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args =
      CliArgs::Parse(words, {"--from", "--to", "--target-password"}, {"--overwrite-styles"}, error);
  if (!args || args->Positional().size() != 2) {
    ctx.err << (args ? std::string(kUsage) : error) << '\n';
    return kExitError;
  }
  const std::string& sourcePath = args->Positional()[0];
  const std::string& targetPath = args->Positional()[1];
  if (IsSameFile(sourcePath, targetPath)) {
    ctx.err << "Zdroj a cíl jsou týž kalendář; nic nebylo připojeno.\n";
    return kExitNotFound;
  }
  CCliCalendar source(ctx);
  if (!source.Open(sourcePath)) return kExitError;
  // The period is read once the source's records have widened the years.
  const std::optional<SAppendOptions> options = OptionsOf(*args, ctx);
  if (!options) return kExitError;
  std::optional<std::string> targetPassword;
  if (const auto typed = args->Value("--target-password")) targetPassword = Cp1250FromUtf8(*typed);
  CTargetPasswordUi targetUi(ctx.ui, targetPassword);
  CliContext targetCtx{ctx.out, ctx.err, targetUi};
  CCliCalendar target(targetCtx);
  if (!target.Open(targetPath)) return kExitError;

  EnsureGuiApplication();
  CCommentaryJoin joiner;
  const SAppendResult result = AppendCalendar(target.Doc(), source.Doc(), *options, joiner);
  if (result.tooLarge) return kExitError;  // said, and the target left as it was
  if (!result.Changed()) {
    ctx.err << "Cílový kalendář " << targetPath << " se nezměnil; nic nebylo připojeno.\n";
    return kExitNotFound;
  }
  // The source's records have been taken: those taken unread keep the source file's bytes alive by
  // themselves, and the source's own index of them goes before the save.
  source.Doc().DeleteContents();
  if (!target.SaveIfModified()) return kExitError;
  // The window's closing message goes on to say the result may still be dropped; here it is saved.
  ctx.out << "Připojení je hotovo. Nových záznamů: " << result.recordsAdded
          << ", doplněných záznamů: " << result.recordsChanged
          << ", změněných stylů: " << result.stylesChanged << ".\n";
  return kExitOk;
}

}  // namespace orv::cli
