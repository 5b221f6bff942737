#pragma once
#include <ostream>
#include <string>
#include <string_view>

class ZALMPWorld;
struct ZALMPXmlModel;
struct ZALMPUrdfResult;
struct ZALMPXmlResult;

/// The subcommands of `zalmp`. Each writes its report to `out`, its errors to
/// `err`, and returns the process exit code.
class ZALMPToolCommands {
public:
  enum ExitCode : int {
    kSuccess = 0,
    kModelError = 1,  // a file missing, malformed or not loadable, or a check that found problems
    kUsageError = 2,  // the command line itself is wrong
  };

  /// With `errIsTerminal`, long loads and saves show their progress on `err`.
  ZALMPToolCommands(std::ostream& out, std::ostream& err, bool errIsTerminal = false)
      : m_out(out), m_err(err), m_errIsTerminal(errIsTerminal)
  {
  }

  /// Builds the demo mechanism in a new world, saves it to `path`, reads it
  /// back and shows it as Info does.
  int Demo(const std::string& path) const;
  /// Shows the format version, entity counts, globals, settings and warnings of a model file.
  int Info(const std::string& path) const;
  /// Lists every problem of a model file; kModelError when there is any.
  int Check(const std::string& path) const;
  /// Reads `in` and saves it to `out` in the layout of `version`, one of the
  /// known format versions (the caller has checked it).
  int Convert(const std::string& in, const std::string& out, const std::string& version) const;
  /// The topology of the model in `path` (ZALMPModelGraph): as DOT text on
  /// `out` when `output` is empty, else into the file `output` by its ending,
  /// ".svg" or ".png" drawn, ".dot" or ".gv" as text. kUsageError for any
  /// other ending; a failure leaves no file.
  int Graph(const std::string& path, const std::string& output) const;

  /// Reads the URDF robot `in` (its root link fixed to the world with
  /// `fixedBase`) and saves it as the model file `out`, listing on `err` what
  /// the model does not keep. kModelError, and no `out`, when `in` cannot be read.
  int ImportUrdf(const std::string& in, const std::string& out, bool fixedBase) const;
  /// Reads the model file `in` and writes it as the URDF robot `out`, listing
  /// on `err` what URDF does not hold.
  int ExportUrdf(const std::string& in, const std::string& out) const;

private:
  /// Reads the model file; on failure says why on `err`.
  bool Load(const std::string& path, ZALMPXmlModel& model) const;
  /// Saves `world` to `path` in the layout of `version`; on failure says why on `err`.
  bool Save(const ZALMPWorld& world, const std::string& path, std::wstring_view version) const;
  void WarnOfValuesTheLayoutLoses(const ZALMPWorld& world, std::wstring_view version, const std::string& out) const;
  void Fail(const std::string& path, const ZALMPXmlResult& result) const;
  /// Lists the warnings of a URDF import or export on `err`; the exit code of its result.
  int Report(const std::string& path, const ZALMPUrdfResult& result) const;

  std::ostream& m_out;
  std::ostream& m_err;
  bool m_errIsTerminal;
};
