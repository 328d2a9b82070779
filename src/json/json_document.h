#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace talvoren {

class JsonEngine;  // the shared holder of one value tree (json_engine.h)
using JsonEngineRef = std::shared_ptr<JsonEngine>;
struct PathTarget;  // where a member path leads (json_path.h)

// What went wrong in the last load, in our own words. Filled by load() only when asked for.
struct ScriptError {
  int32_t number = 0;  // 0: no error
  std::string source;
  std::string description;
  std::string helpFile;
  int32_t helpContext = 0;
  std::string text;
  int32_t line = 0;  // 1-based position of the fault in the loaded text
  int32_t column = 0;
};

// A JSON value held in a shared engine and read or changed by member paths such as
// "tracks[1].segments[0]['target_timerange'].start". Texts are UTF-8. No operation throws: a
// failure answers false, an empty text, 0 or -1.
//
// Copies share one engine; every load() replaces the engine with a new one.
class JsonDocument {
 public:
  JsonDocument();  // root name "da", then initialise()
  JsonDocument(const JsonDocument&) = delete;
  JsonDocument& operator=(const JsonDocument&) = delete;
  virtual ~JsonDocument();

  virtual void destroy();
  virtual std::unique_ptr<JsonDocument> copy();
  virtual void initialise();
  virtual bool load(const std::string& text, bool asLiteral = false, ScriptError* error = nullptr);
  virtual bool clear();
  virtual std::string rootJson();
  virtual bool setMember(const std::string& path = {}, const std::string& value = {},
                         bool valueIsJson = false);
  virtual bool setByEval(const std::string& path = {}, const std::string& expression = {});
  virtual bool resolvePath(std::string& path);
  virtual bool exists(const std::string& path = {});
  virtual int typeCode(const std::string& path = {});
  virtual std::string valueText(const std::string& path = {}, bool asJson = false);
  virtual int memberNames(std::vector<std::string>& names, const std::string& path = {});
  virtual int arrayCount(const std::string& path = {});
  virtual std::unique_ptr<JsonDocument> memberDocument(const std::string& path = {});
  virtual bool addItem(const std::string& value = {}, const std::string& path = {},
                       bool valueIsJson = false, bool atFront = false);
  virtual std::unique_ptr<JsonDocument> itemDocument(int index = 0, const std::string& path = {});
  virtual std::string itemText(int index = 0, const std::string& path = {}, bool asJson = false);
  virtual bool setItem(int index = 0, const std::string& path = {}, const std::string& value = {},
                       bool valueIsJson = false);
  virtual bool removeItem(int index = 0, const std::string& path = {});
  virtual bool deleteMember(const std::string& path = {});
  virtual bool setNumber(const std::string& path = {}, double number = 0);
  virtual double getNumber(const std::string& path = {});
  virtual std::string memberJson(const std::string& path = {});
  virtual JsonEngineRef engineObject();
  virtual int allValues(std::vector<std::string>& values, const std::string& path = {},
                        bool recursive = false);

  const std::string& rootName() const { return rootName_; }

 private:
  PathTarget locate(const std::string& path);
  PathTarget locateItem(int index, const std::string& path);
  std::unique_ptr<JsonDocument> derivedDocument(const PathTarget& target);

  std::string rootName_;
  JsonEngineRef engine_;
};

}  // namespace talvoren
