// The COM automation builtins on Windows: object creation, property paths,
// typed reads and writes, safe arrays and bound methods, all through
// IDispatch with late binding.
#include <windows.h>
#include <oleauto.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "builtins/com/com_access.h"
#include "builtins/com/com_builtins.h"
#include "builtins/com/com_state.h"
#include "builtins/com/module_lookup.h"
#include "builtins/com/variant_text.h"
#include "runtime/storage.h"
#include "support/script_handle.h"

namespace quorin::com {

namespace {

constexpr LCID kLocale = 2048;  // system default

std::wstring wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

// A BSTR owned for the length of one call.
struct Bstr {
  BSTR b = nullptr;
  explicit Bstr(std::u16string_view s) : b(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(s.data()), s.size())) {}
  ~Bstr() { SysFreeString(b); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
};

std::u16string from_bstr(BSTR b) {
  if (!b) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(b), SysStringLen(b));
}

struct Variant {
  VARIANT v;
  Variant() {
    std::memset(&v, 0, sizeof v);
    VariantInit(&v);
  }
  ~Variant() { VariantClear(&v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

VariantData data_of(const VARIANT& v) {
  VariantData d;
  d.type = v.vt;
  switch (v.vt) {
    case VT_I2: d.i = v.iVal; break;
    case VT_I4: d.i = v.lVal; break;
    case VT_R4: d.f = v.fltVal; break;
    case VT_R8: d.d = v.dblVal; break;
    case VT_CY: d.i = v.cyVal.int64; break;
    case VT_DATE: d.d = v.date; break;
    case VT_BSTR:
      d.null_text = v.bstrVal == nullptr;
      d.text = from_bstr(v.bstrVal);
      break;
    case VT_BOOL: d.i = v.boolVal; break;
    case VT_I1: d.i = v.cVal; break;
    case VT_UI1: d.u = v.bVal; break;
    case VT_UI2: d.u = v.uiVal; break;
    case VT_UI4: d.u = v.ulVal; break;
    case VT_UINT: d.u = v.uintVal; break;
    case VT_I8: d.i = v.llVal; break;
    case VT_UI8: d.u = v.ullVal; break;
    default: break;
  }
  return d;
}

// ---- handles ----

int32_t hand_out(ComRunState& st, IUnknown* p, bool dispatch) {
  ObjectEntry& e = st.objects[p];
  ++e.refs;
  e.dispatch = dispatch;
  return handle_to_int(p);
}

IDispatch* checked_object(Runtime& rt, std::u16string_view builtin, int32_t handle) {
  if (handle == 0) rt.fail(zero_handle_message(builtin));
  ComRunState& st = run_state(rt);
  void* p = int_to_handle<void>(handle);
  auto it = st.objects.find(p);
  if (it == st.objects.end() || !it->second.dispatch) rt.fail(unknown_handle_message(builtin, handle));
  return static_cast<IDispatch*>(p);
}

SAFEARRAY* checked_safe_array(Runtime& rt, std::u16string_view builtin, int32_t handle) {
  void* p = int_to_handle<void>(handle);
  if (handle == 0 || !run_state(rt).safe_arrays.count(p)) rt.fail(safe_array_unknown_message(builtin, handle));
  return static_cast<SAFEARRAY*>(p);
}

bool ensure_initialised(Runtime& rt) {
  ComRunState& st = run_state(rt);
  if (st.init_count > 0) return true;
  HRESULT hr = CoInitialize(nullptr);
  if (hr == S_OK || hr == S_FALSE) ++st.init_count;
  return SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
}

bool parse_guid(std::u16string_view text, GUID& g) {
  if (text.size() == 38 && text.front() == u'{' && text.back() == u'}') text = text.substr(1, 36);
  if (text.size() != 36) return false;
  uint8_t bytes[16];
  size_t k = 0;
  for (size_t i = 0; i < 36;) {
    if (i == 8 || i == 13 || i == 18 || i == 23) {
      if (text[i] != u'-') return false;
      ++i;
      continue;
    }
    auto hex = [](char16_t c) -> int {
      if (c >= u'0' && c <= u'9') return c - u'0';
      if (c >= u'a' && c <= u'f') return c - u'a' + 10;
      if (c >= u'A' && c <= u'F') return c - u'A' + 10;
      return -1;
    };
    int hi = hex(text[i]), lo = hex(text[i + 1]);
    if (hi < 0 || lo < 0) return false;
    bytes[k++] = static_cast<uint8_t>(hi * 16 + lo);
    i += 2;
  }
  g.Data1 = (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
  g.Data2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
  g.Data3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
  std::memcpy(g.Data4, bytes + 8, 8);
  return true;
}

// The interface asked for: the text given, else IDispatch.
bool interface_of(const Str& iid, IID& out) {
  if (iid.empty()) {
    out = IID_IDispatch;
    return true;
  }
  return parse_guid(iid.view(), out);
}

int32_t creation_failed(HRESULT hr) {
  SetLastError(static_cast<DWORD>(hr));
  return 0;
}

// Hands out an object the creation gave; an interface other than IDispatch
// is kept too but cannot be used for property access.
int32_t hand_out_created(Runtime& rt, IUnknown* p, const IID& iid) {
  bool dispatch = IsEqualIID(iid, IID_IDispatch);
  if (!dispatch) {
    IDispatch* d = nullptr;
    if (SUCCEEDED(p->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d))) && d) {
      dispatch = static_cast<IUnknown*>(d) == p;
      d->Release();
    }
  }
  return hand_out(run_state(rt), p, dispatch);
}

// ---- property paths ----

// Objects read along a path, released newest first when the access ends.
struct Intermediates {
  std::vector<IDispatch*> held;
  ~Intermediates() {
    for (auto it = held.rbegin(); it != held.rend(); ++it) (*it)->Release();
  }
};

enum class Access { Read, Write, Bind };

struct Target {
  IDispatch* object = nullptr;
  DISPID member = 0;
  std::u16string_view last;
  int32_t handle = 0;
};

void fail_names(Runtime& rt, Access a, std::u16string_view builtin, int32_t handle, std::u16string_view path,
                std::u16string_view member, HRESULT hr, const WrittenValue* w) {
  if (a == Access::Bind) {
    SetLastError(static_cast<DWORD>(hr));
    rt.fail(bind_missing_message(handle, path));
  }
  if (a == Access::Write) {
    if (hr == DISP_E_UNKNOWNNAME) rt.fail(write_unknown_name_message(builtin, handle, path, *w, member));
    rt.fail(write_names_failed_message(builtin, handle, path, *w, hr));
  }
  if (hr == DISP_E_UNKNOWNNAME) rt.fail(read_unknown_name_message(builtin, handle, path, member));
  rt.fail(read_names_failed_message(builtin, handle, path, hr));
}

DISPID member_id(Runtime& rt, Access a, IDispatch* obj, std::u16string_view builtin, int32_t handle,
                 std::u16string_view path, std::u16string_view member, const WrittenValue* w) {
  std::wstring name = wide(member);
  LPOLESTR names[1] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = obj->GetIDsOfNames(IID_NULL, names, 1, kLocale, &id);
  if (FAILED(hr)) fail_names(rt, a, builtin, handle, path, member, hr, w);
  return id;
}

HRESULT get_property(IDispatch* obj, DISPID id, VARIANT& out) {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  EXCEPINFO ex;
  std::memset(&ex, 0, sizeof ex);
  UINT arg_err = 0;
  HRESULT hr = obj->Invoke(id, IID_NULL, kLocale, DISPATCH_PROPERTYGET, &none, &out, &ex, &arg_err);
  SysFreeString(ex.bstrSource);
  SysFreeString(ex.bstrDescription);
  SysFreeString(ex.bstrHelpFile);
  return hr;
}

// The IDispatch a property value holds (one reference), or null.
IDispatch* dispatch_of(VARIANT& v) {
  IUnknown* unk = nullptr;
  if (v.vt == VT_DISPATCH)
    unk = v.pdispVal;
  else if (v.vt == VT_UNKNOWN)
    unk = v.punkVal;
  if (!unk) return nullptr;
  IDispatch* d = nullptr;
  if (FAILED(unk->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d)))) return nullptr;
  return d;
}

// Reads a property that must hold an object; errors name com_object_get_object.
IDispatch* read_object(Runtime& rt, IDispatch* obj, int32_t handle, std::u16string_view member) {
  constexpr std::u16string_view kGetObject = u"com_object_get_object";
  DISPID id = member_id(rt, Access::Read, obj, kGetObject, handle, member, member, nullptr);
  Variant v;
  HRESULT hr = get_property(obj, id, v.v);
  if (FAILED(hr)) rt.fail(read_invoke_failed_message(kGetObject, handle, member, hr));
  return dispatch_of(v.v);
}

// Steps 1 to 4 of every access: checks, intermediate objects, member id.
Target resolve(Runtime& rt, Access a, std::u16string_view builtin, int32_t handle, std::u16string_view path,
               Intermediates& keep, const WrittenValue* w = nullptr) {
  IDispatch* obj = checked_object(rt, builtin, handle);
  std::vector<std::u16string_view> members;
  PathError e = split_path(path, members);
  if (e != PathError::None) rt.fail(path_message(e, builtin, handle, path));
  int32_t current = handle;
  for (size_t i = 0; i + 1 < members.size(); ++i) {
    IDispatch* next = read_object(rt, obj, current, members[i]);
    if (!next) rt.fail(zero_handle_message(u"com_object_get_object"));
    keep.held.push_back(next);
    obj = next;
    current = handle_to_int(next);
  }
  Target t;
  t.object = obj;
  t.last = members.back();
  t.handle = handle;
  t.member = member_id(rt, a, obj, builtin, handle, path, t.last, w);
  return t;
}

// Reads the property at the end of a path into `out`.
void read(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, VARIANT& out) {
  int32_t handle = *static_cast<int32_t*>(obj.addr);
  Intermediates keep;
  Target t = resolve(rt, Access::Read, builtin, handle, path.view(), keep);
  HRESULT hr = get_property(t.object, t.member, out);
  if (FAILED(hr)) rt.fail(read_invoke_failed_message(builtin, handle, path.view(), hr));
}

VariantData read_data(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path) {
  Variant v;
  read(rt, builtin, obj, path, v.v);
  return data_of(v.v);
}

// Writes `value` (its ownership stays with the caller) to the property.
void write(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, VARIANT& value,
           const WrittenValue& w) {
  int32_t handle = *static_cast<int32_t*>(obj.addr);
  Intermediates keep;
  Target t = resolve(rt, Access::Write, builtin, handle, path.view(), keep, &w);
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&value, &put, 1, 1};
  EXCEPINFO ex;
  std::memset(&ex, 0, sizeof ex);
  UINT arg_err = 0;
  HRESULT hr = t.object->Invoke(t.member, IID_NULL, kLocale, DISPATCH_PROPERTYPUT, &params, nullptr, &ex, &arg_err);
  SysFreeString(ex.bstrSource);
  SysFreeString(ex.bstrDescription);
  SysFreeString(ex.bstrHelpFile);
  if (hr == DISP_E_OVERFLOW) rt.fail(write_overflow_message(builtin, handle, path.view(), w));
  if (FAILED(hr)) rt.fail(write_invoke_failed_message(builtin, handle, path.view(), w, hr));
}

template <class Fill>
void write_scalar(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, VARTYPE type, int64_t i,
                  double d, Fill fill) {
  VARIANT v;
  std::memset(&v, 0, sizeof v);
  v.vt = type;
  fill(v);
  WrittenValue w{type, i, d};
  write(rt, builtin, obj, path, v, w);
}

// ---- safe arrays ----

template <TypeCode Elem>
constexpr VARTYPE element_vt() {
  if constexpr (Elem == tc::Byte) return VT_UI1;
  else if constexpr (Elem == tc::Char) return VT_UI2;
  else if constexpr (Elem == tc::Short) return VT_I2;
  else if constexpr (Elem == tc::Int) return VT_I4;
  else if constexpr (Elem == tc::Long) return VT_I8;
  else if constexpr (Elem == tc::Float) return VT_R4;
  else if constexpr (Elem == tc::Double) return VT_R8;
  else return VT_BSTR;
}

VARTYPE element_vt_of(TypeCode t) {
  switch (t) {
    case tc::Byte: return VT_UI1;
    case tc::Char: return VT_UI2;
    case tc::Short: return VT_I2;
    case tc::Int: return VT_I4;
    case tc::Long: return VT_I8;
    case tc::Float: return VT_R4;
    case tc::Double: return VT_R8;
    default: return VT_BSTR;
  }
}

void* element_at(ArrayObj* a, size_t i) { return static_cast<char*>(a->data) + i * element_width(a->elem); }

template <TypeCode Elem>
int32_t get_array(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, Arr<Elem> dst,
                  int32_t max) {
  Variant v;
  read(rt, builtin, obj, path, v.v);
  if (v.v.vt != (VT_ARRAY | element_vt<Elem>())) return -1;
  SAFEARRAY* sa = v.v.parray;
  void* data = nullptr;
  if (!sa || FAILED(SafeArrayAccessData(sa, &data))) return -2;
  size_t total = 1;
  for (UINT k = 0; k < sa->cDims; ++k) total *= sa->rgsabound[k].cElements;
  size_t n = std::min<size_t>(total, max < 0 ? 0 : static_cast<size_t>(max));
  n = std::min<size_t>(n, dst.array ? dst.array->count : 0);
  for (size_t i = 0; i < n; ++i) {
    if constexpr (Elem == tc::String) {
      BSTR b = static_cast<BSTR*>(data)[i];
      store<tc::String>(element_at(dst.array, i), make_str(str_new(from_bstr(b))));
    } else {
      using T = std::conditional_t<Elem == tc::Byte, uint8_t,
                std::conditional_t<Elem == tc::Char, char16_t,
                std::conditional_t<Elem == tc::Short, int16_t,
                std::conditional_t<Elem == tc::Int, int32_t,
                std::conditional_t<Elem == tc::Long, int64_t,
                std::conditional_t<Elem == tc::Float, float, double>>>>>>;
      std::memcpy(element_at(dst.array, i), static_cast<T*>(data) + i, sizeof(T));
    }
  }
  SafeArrayUnaccessData(sa);
  return static_cast<int32_t>(n);  // the variant's clearing destroys the array
}

// Safe arrays a run created and never destroyed go with the run.
void destroy_safe_arrays(ComRunState& st) {
  for (void* p : st.safe_arrays) SafeArrayDestroy(static_cast<SAFEARRAY*>(p));
  st.safe_arrays.clear();
}

template <TypeCode Elem>
int32_t new_safe_array(Runtime& rt, Arr<Elem> src, int32_t count) {
  const ULONG n = count < 0 ? 0 : static_cast<ULONG>(count);
  SAFEARRAY* sa = SafeArrayCreateVector(element_vt<Elem>(), 0, n);
  if (!sa) return 0;
  void* data = nullptr;
  if (FAILED(SafeArrayAccessData(sa, &data))) {
    SafeArrayDestroy(sa);
    return 0;
  }
  const size_t copy = std::min<size_t>(n, src.array ? src.array->count : 0);
  for (size_t i = 0; i < copy; ++i) {
    if constexpr (Elem == tc::String) {
      const StrRep* s = *static_cast<StrRep* const*>(element_at(src.array, i));
      std::u16string_view text = s ? str_view(s) : std::u16string_view();
      static_cast<BSTR*>(data)[i] = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), text.size());
    } else {
      size_t w = element_width(Elem);
      std::memcpy(static_cast<char*>(data) + i * w, element_at(src.array, i), w);
    }
  }
  SafeArrayUnaccessData(sa);
  ComRunState& st = run_state(rt);
  st.safe_arrays.insert(sa);
  st.destroy_safe_arrays = &destroy_safe_arrays;
  return handle_to_int(sa);
}

template <TypeCode Elem>
void set_safe_array(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, IntRef sa) {
  SAFEARRAY* array = checked_safe_array(rt, builtin, *static_cast<int32_t*>(sa.addr));
  VARIANT v;
  std::memset(&v, 0, sizeof v);
  v.vt = VT_ARRAY | element_vt<Elem>();
  v.parray = array;
  write(rt, builtin, obj, path, v, WrittenValue{v.vt, 0, 0});
}

// ---- bound methods ----

Payload call_bound(Runtime& rt, const CallRecord& c);

}  // namespace

// ---- access for other families ----

VariantData read_property(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path) {
  return read_data(rt, builtin, obj, path);
}

double read_currency(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path) {
  return to_currency_double(read_data(rt, builtin, obj, path));
}

void write_currency(Runtime& rt, std::u16string_view builtin, IntRef obj, const Str& path, double value) {
  VARIANT v;
  std::memset(&v, 0, sizeof v);
  v.vt = VT_CY;
  if (FAILED(VarCyFromR8(value, &v.cyVal))) {
    // Out of the currency range: the property write reports the overflow.
    int32_t handle = *static_cast<int32_t*>(obj.addr);
    checked_object(rt, builtin, handle);
    rt.fail(write_overflow_message(builtin, handle, path.view(), WrittenValue{VT_CY, 0, value}));
  }
  write(rt, builtin, obj, path, v, WrittenValue{VT_CY, 0, value});
}

int32_t hand_out_object(Runtime& rt, void* dispatch) {
  if (!dispatch) return 0;
  return hand_out(run_state(rt), static_cast<IDispatch*>(dispatch), true);
}

void* checked_dispatch(Runtime& rt, std::u16string_view builtin, int32_t handle) {
  return checked_object(rt, builtin, handle);
}

CallResult call_member(void* object, std::u16string_view member, std::span<const CallArg> args, uint16_t flags) {
  CallResult out;
  IDispatch* obj = static_cast<IDispatch*>(object);
  std::wstring name = wide(member);
  LPOLESTR names[1] = {name.data()};
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = obj->GetIDsOfNames(IID_NULL, names, 1, kLocale, &id);
  if (FAILED(hr)) {
    out.hr = hr;
    out.found = false;
    SetLastError(static_cast<DWORD>(hr));
    return out;
  }
  const size_t n = args.size();
  std::vector<VARIANT> vars(n);
  for (size_t i = 0; i < n; ++i) {
    VARIANT& v = vars[n - 1 - i];
    std::memset(&v, 0, sizeof v);
    const CallArg& a = args[i];
    switch (a.kind) {
      case CallArg::Kind::Int: v.vt = VT_I4; v.lVal = a.i; break;
      case CallArg::Kind::Text:
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(a.text.data()), a.text.size());
        break;
      case CallArg::Kind::Null: v.vt = VT_NULL; break;
      case CallArg::Kind::Object: v.vt = VT_DISPATCH; v.pdispVal = static_cast<IDispatch*>(a.object); break;
    }
  }
  DISPPARAMS params = {vars.data(), nullptr, static_cast<UINT>(n), 0};
  Variant result;
  EXCEPINFO ex;
  std::memset(&ex, 0, sizeof ex);
  UINT arg_err = 0;
  hr = obj->Invoke(id, IID_NULL, kLocale, flags, &params, &result.v, &ex, &arg_err);
  for (VARIANT& v : vars)
    if (v.vt == VT_BSTR) SysFreeString(v.bstrVal);
  SysFreeString(ex.bstrSource);
  SysFreeString(ex.bstrDescription);
  SysFreeString(ex.bstrHelpFile);
  out.hr = hr;
  if (FAILED(hr)) {
    SetLastError(static_cast<DWORD>(hr));
    return out;
  }
  out.type = result.v.vt;
  out.object = dispatch_of(result.v);
  VARIANT as_int;
  VariantInit(&as_int);
  if (!out.object && SUCCEEDED(VariantChangeType(&as_int, &result.v, 0, VT_I4))) out.number = as_int.lVal;
  return out;
}

void release_object(void* object) {
  if (object) static_cast<IDispatch*>(object)->Release();
}

// ---- creation and release ----

int32_t com_initialize(Runtime& rt) {
  HRESULT hr = CoInitialize(nullptr);
  if (hr == S_OK || hr == S_FALSE) ++run_state(rt).init_count;
  return hr;
}

int32_t com_initialize_flags(Runtime& rt, int32_t flags) {
  HRESULT hr = CoInitializeEx(nullptr, static_cast<DWORD>(flags));
  if (hr == S_OK || hr == S_FALSE) ++run_state(rt).init_count;
  return hr;
}

void com_uninitialize(Runtime& rt) {
  ComRunState& st = run_state(rt);
  if (st.init_count <= 0) return;
  CoUninitialize();
  --st.init_count;
}

int32_t com_object_new(Runtime& rt, const Str& prog_id) { return com_object_new_iid(rt, prog_id, Str()); }

int32_t com_object_new_iid(Runtime& rt, const Str& prog_id, const Str& iid_text) {
  ensure_initialised(rt);
  CLSID clsid;
  std::wstring id = wide(prog_id.view());
  HRESULT hr = id.size() > 0 && id[0] == L'{' ? CLSIDFromString(id.c_str(), &clsid) : CLSIDFromProgID(id.c_str(), &clsid);
  if (FAILED(hr)) return creation_failed(hr);
  IID iid;
  if (!interface_of(iid_text, iid)) return creation_failed(E_INVALIDARG);
  IUnknown* p = nullptr;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, iid, reinterpret_cast<void**>(&p));
  if (FAILED(hr) || !p) return creation_failed(FAILED(hr) ? hr : E_NOINTERFACE);
  return hand_out_created(rt, p, iid);
}

int32_t com_object_new_from_dll(Runtime& rt, IntRef dll, const Str& clsid) {
  return com_object_new_from_dll_iid(rt, dll, clsid, Str());
}

int32_t com_object_new_from_dll_iid(Runtime& rt, IntRef dll, const Str& clsid_text, const Str& iid_text) {
  HMODULE module = static_cast<HMODULE>(loaded_module(rt, *static_cast<int32_t*>(dll.addr)));
  if (!module) return creation_failed(HRESULT_FROM_WIN32(ERROR_INVALID_HANDLE));
  using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, LPVOID*);
  auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  if (!get) return creation_failed(HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND));
  CLSID clsid;
  IID iid;
  if (!parse_guid(clsid_text.view(), clsid) || !interface_of(iid_text, iid)) return creation_failed(E_INVALIDARG);
  ensure_initialised(rt);
  IClassFactory* factory = nullptr;
  HRESULT hr = get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(hr) || !factory) return creation_failed(FAILED(hr) ? hr : E_NOINTERFACE);
  IUnknown* p = nullptr;
  hr = factory->CreateInstance(nullptr, iid, reinterpret_cast<void**>(&p));
  factory->Release();
  if (FAILED(hr) || !p) return creation_failed(FAILED(hr) ? hr : E_NOINTERFACE);
  return hand_out_created(rt, p, iid);
}

int32_t com_object_get_object(Runtime& rt, IntRef obj, const Str& path) {
  Variant v;
  read(rt, u"com_object_get_object", obj, path, v.v);
  IDispatch* d = dispatch_of(v.v);
  if (!d) return 0;
  return hand_out(run_state(rt), d, true);
}

void com_object_free(Runtime& rt, IntRef obj) {
  int32_t& handle = *static_cast<int32_t*>(obj.addr);
  if (handle == 0) return;
  ComRunState& st = run_state(rt);
  auto it = st.objects.find(int_to_handle<void>(handle));
  if (it == st.objects.end()) rt.fail(unknown_handle_message(u"com_object_free", handle));
  static_cast<IUnknown*>(it->first)->Release();
  if (--it->second.refs == 0) st.objects.erase(it);
  handle = 0;
}

// ---- method binding ----

FuncResult com_object_get_function(Runtime& rt, IntRef obj, const Str& path) {
  constexpr std::u16string_view kName = u"com_object_get_function";
  int32_t handle = *static_cast<int32_t*>(obj.addr);
  Intermediates keep;
  Target t = resolve(rt, Access::Bind, kName, handle, path.view(), keep);
  ComRunState& st = run_state(rt);
  Binding& b = st.bindings.emplace_back();
  b.object = t.object;
  b.member = t.member;
  b.name = std::u16string(t.last);
  if (!keep.held.empty()) {
    // The object the member belongs to stays alive with the binding.
    keep.held.back()->AddRef();
    b.owned = true;
  }
  b.target.invoke = &call_bound;
  b.target.marker = 2;
  b.target.native = &b;
  return FuncResult{&b.target};
}

namespace {

// Finds the binding a function-pointer variable holds.
const Binding* binding_of(Runtime& rt, const CallRecord& c) {
  const VariableRecord* var = c.pointer;
  Slot* s = var->scope == Scope::Global ? &rt.globals[static_cast<size_t>(var->slot)] : rt.frame_slots() + var->slot;
  return static_cast<const Binding*>(s->value.v.fn->native);
}

Payload call_bound(Runtime& rt, const CallRecord& c) {
  const Binding& b = *binding_of(rt, c);
  const BuiltinEntry& sig = *c.pointer->signature;
  ComRunState& st = run_state(rt);
  if (!b.owned && !st.objects.count(b.object)) rt.fail(call_freed_object_message(c.name, b.name));
  const size_t argc = c.args.size();
  std::vector<VARIANT> args(argc);
  std::vector<BSTR> owned_strings;  // by-value string arguments
  BSTR ref_strings[8] = {};
  void* ref_targets[8] = {};
  int refs = 0;
  struct Cleanup {
    std::vector<BSTR>& owned;
    BSTR* refs;
    int& n;
    ~Cleanup() {
      for (BSTR s : owned) SysFreeString(s);
      for (int k = 0; k < n; ++k) SysFreeString(refs[k]);
    }
  } cleanup{owned_strings, ref_strings, refs};
  for (size_t i = 0; i < argc; ++i) {
    VARIANT& v = args[argc - 1 - i];
    std::memset(&v, 0, sizeof v);
    const Operand& op = *c.args[i];
    const TypeCode code = sig.args[i];
    if (code >= tc::Byte && code <= tc::String) {
      Payload p = op.eval(rt, op);
      switch (code) {
        case tc::Byte: v.vt = VT_UI1; v.bVal = static_cast<BYTE>(p.i); break;
        case tc::Char: v.vt = VT_UI2; v.uiVal = static_cast<USHORT>(p.i); break;
        case tc::Short: v.vt = VT_I2; v.iVal = static_cast<SHORT>(p.i); break;
        case tc::Int: v.vt = VT_I4; v.lVal = p.i; break;
        case tc::Long: v.vt = VT_I8; v.llVal = p.l; break;
        case tc::Float: v.vt = VT_R4; v.fltVal = p.f; break;
        case tc::Double: v.vt = VT_R8; v.dblVal = p.d; break;
        default: {
          std::u16string_view text = str_view(p.str);
          v.vt = VT_BSTR;
          v.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), text.size());
          owned_strings.push_back(v.bstrVal);
          str_release(p.str);
          break;
        }
      }
    } else if (code > tc::RefBase && code < tc::RefBase + tc::String) {
      void* addr = native::storage_address(rt, op, nullptr);
      v.vt = VT_BYREF | element_vt_of(code - tc::RefBase);
      v.byref = addr;
    } else if (code == tc::RefBase + tc::String) {
      if (refs == 8) rt.fail(call_string_limit_message(c.name));
      void* addr = native::storage_address(rt, op, nullptr);
      const StrRep* s = *static_cast<StrRep* const*>(addr);
      std::u16string_view text = s ? str_view(s) : std::u16string_view();
      ref_strings[refs] = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), text.size());
      ref_targets[refs] = addr;
      v.vt = VT_BYREF | VT_BSTR;
      v.pbstrVal = &ref_strings[refs];
      ++refs;
    } else {
      // An int variable holding a safe array made by com_safe_array_new_*.
      void* addr = native::storage_address(rt, op, nullptr);
      SAFEARRAY* sa = checked_safe_array(rt, c.name, *static_cast<int32_t*>(addr));
      v.vt = VT_ARRAY | element_vt_of(code - tc::IntVarBase);
      v.parray = sa;
    }
  }
  DISPPARAMS params = {args.data(), nullptr, static_cast<UINT>(argc), 0};
  Variant result;
  EXCEPINFO ex;
  std::memset(&ex, 0, sizeof ex);
  UINT arg_err = 0;
  HRESULT hr = static_cast<IDispatch*>(b.object)->Invoke(b.member, IID_NULL, kLocale,
                                                         DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params, &result.v,
                                                         &ex, &arg_err);
  SysFreeString(ex.bstrSource);
  SysFreeString(ex.bstrDescription);
  SysFreeString(ex.bstrHelpFile);
  if (hr == DISP_E_BADPARAMCOUNT) rt.fail(call_param_count_message(c.name, b.name));
  if (hr == DISP_E_TYPEMISMATCH) rt.fail(call_param_type_message(c.name, b.name));
  if (FAILED(hr)) rt.fail(call_failed_message(c.name, b.name, hr));
  for (int k = 0; k < refs; ++k)
    store<tc::String>(ref_targets[k], make_str(str_new(from_bstr(ref_strings[k]))));
  Payload out;
  out.bits = 0;
  const VARIANT& r = result.v;
  switch (sig.ret) {
    case tc::Byte: out.i = r.bVal; break;
    case tc::Char: out.i = r.uiVal; break;
    case tc::Short: out.i = r.iVal; break;
    case tc::Int:
      if (r.vt == VT_DISPATCH || r.vt == VT_UNKNOWN) {
        // An object result becomes a handle the script owns (a collection
        // from a method, walked with its own bound members).
        IDispatch* d = dispatch_of(result.v);
        out.i = d ? hand_out(st, d, true) : 0;
      } else {
        out.i = r.lVal;
      }
      break;
    case tc::Long: out.l = r.llVal; break;
    case tc::Float: out.f = r.fltVal; break;
    case tc::Double: out.d = r.dblVal; break;
    case tc::String:
      out.str = str_new(r.vt == VT_BSTR ? from_bstr(r.bstrVal) : std::u16string());
      break;
    default: break;
  }
  return out;
}

}  // namespace

// ---- writes ----

#define COM_SET(NAME, TYPE, VT, I, D, FIELD)                                                    \
  void NAME(Runtime& rt, IntRef obj, const Str& path, TYPE value) {                              \
    write_scalar(rt, u## #NAME, obj, path, VT, I, D, [&](VARIANT& v) { v.FIELD = value; });     \
  }
COM_SET(com_object_set_byte, uint8_t, VT_UI1, value, 0, bVal)
COM_SET(com_object_set_char, char16_t, VT_UI2, value, 0, uiVal)
COM_SET(com_object_set_short, int16_t, VT_I2, value, 0, iVal)
COM_SET(com_object_set_int, int32_t, VT_I4, value, 0, lVal)
COM_SET(com_object_set_long, int64_t, VT_I8, value, 0, llVal)
COM_SET(com_object_set_float, float, VT_R4, 0, value, fltVal)
COM_SET(com_object_set_double, double, VT_R8, 0, value, dblVal)
COM_SET(com_object_set_date, double, VT_DATE, 0, value, date)
#undef COM_SET

void com_object_set_boolean(Runtime& rt, IntRef obj, const Str& path, int32_t value) {
  const VARIANT_BOOL b = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
  write_scalar(rt, u"com_object_set_boolean", obj, path, VT_BOOL, b, 0, [&](VARIANT& v) { v.boolVal = b; });
}

void com_object_set_string(Runtime& rt, IntRef obj, const Str& path, const Str& value) {
  Bstr copy(value.view());
  write_scalar(rt, u"com_object_set_string", obj, path, VT_BSTR, 0, 0, [&](VARIANT& v) { v.bstrVal = copy.b; });
}

void com_object_set_object(Runtime& rt, IntRef obj, const Str& path, int32_t value) {
  IDispatch* other = value == 0 ? nullptr : checked_object(rt, u"com_object_set_object", value);
  write_scalar(rt, u"com_object_set_object", obj, path, VT_DISPATCH, 0, 0, [&](VARIANT& v) { v.pdispVal = other; });
}

#define COM_SET_ARRAY(T, CODE)                                                                  \
  void com_object_set_safe_array_##T(Runtime& rt, IntRef obj, const Str& path, IntRef sa) {    \
    set_safe_array<CODE>(rt, u"com_object_set_safe_array_" #T, obj, path, sa);                 \
  }
COM_SET_ARRAY(byte, tc::Byte)
COM_SET_ARRAY(char, tc::Char)
COM_SET_ARRAY(short, tc::Short)
COM_SET_ARRAY(int, tc::Int)
COM_SET_ARRAY(long, tc::Long)
COM_SET_ARRAY(float, tc::Float)
COM_SET_ARRAY(double, tc::Double)
COM_SET_ARRAY(string, tc::String)
#undef COM_SET_ARRAY

// ---- reads ----

uint8_t com_object_get_byte(Runtime& rt, IntRef obj, const Str& path) {
  return static_cast<uint8_t>(to_int(read_data(rt, u"com_object_get_byte", obj, path)));
}
char16_t com_object_get_char(Runtime& rt, IntRef obj, const Str& path) {
  return static_cast<char16_t>(to_int(read_data(rt, u"com_object_get_char", obj, path)));
}
int16_t com_object_get_short(Runtime& rt, IntRef obj, const Str& path) {
  return static_cast<int16_t>(to_int(read_data(rt, u"com_object_get_short", obj, path)));
}
int32_t com_object_get_boolean(Runtime& rt, IntRef obj, const Str& path) {
  return to_boolean(read_data(rt, u"com_object_get_boolean", obj, path));
}
int32_t com_object_get_int(Runtime& rt, IntRef obj, const Str& path) {
  return to_int(read_data(rt, u"com_object_get_int", obj, path));
}
int64_t com_object_get_long(Runtime& rt, IntRef obj, const Str& path) {
  return to_long(read_data(rt, u"com_object_get_long", obj, path));
}
float com_object_get_float(Runtime& rt, IntRef obj, const Str& path) {
  return to_float(read_data(rt, u"com_object_get_float", obj, path));
}
double com_object_get_double(Runtime& rt, IntRef obj, const Str& path) {
  return to_double(read_data(rt, u"com_object_get_double", obj, path));
}
Str com_object_get_string(Runtime& rt, IntRef obj, const Str& path) {
  return Str(to_text(read_data(rt, u"com_object_get_string", obj, path)));
}
double com_object_get_date(Runtime& rt, IntRef obj, const Str& path) {
  return to_date(read_data(rt, u"com_object_get_date", obj, path));
}
int32_t com_object_get_type(Runtime& rt, IntRef obj, const Str& path) {
  Variant v;
  read(rt, u"com_object_get_type", obj, path, v.v);
  return v.v.vt;
}
Str com_object_get_type_name(Runtime& rt, IntRef obj, const Str& path) {
  Variant v;
  read(rt, u"com_object_get_type_name", obj, path, v.v);
  return Str(type_name(v.v.vt));
}
int32_t com_object_get_array_length(Runtime& rt, IntRef obj, const Str& path) {
  Variant v;
  read(rt, u"com_object_get_array_length", obj, path, v.v);
  if (!(v.v.vt & VT_ARRAY)) return -1;
  SAFEARRAY* sa = (v.v.vt & VT_BYREF) ? (v.v.pparray ? *v.v.pparray : nullptr) : v.v.parray;
  if (!sa || sa->cDims < 1) return -1;
  LONG lo = 0, hi = -1;
  if (FAILED(SafeArrayGetLBound(sa, 1, &lo)) || FAILED(SafeArrayGetUBound(sa, 1, &hi))) return -1;
  return static_cast<int32_t>(hi - lo + 1);
}

#define COM_GET_ARRAY(T, CODE)                                                                          \
  int32_t com_object_get_array_##T(Runtime& rt, IntRef obj, const Str& path, Arr<CODE> dst, int32_t max) { \
    return get_array<CODE>(rt, u"com_object_get_array_" #T, obj, path, dst, max);                     \
  }                                                                                                     \
  int32_t com_safe_array_new_##T(Runtime& rt, Arr<CODE> src, int32_t count) {                          \
    return new_safe_array<CODE>(rt, src, count);                                                        \
  }
COM_GET_ARRAY(byte, tc::Byte)
COM_GET_ARRAY(char, tc::Char)
COM_GET_ARRAY(short, tc::Short)
COM_GET_ARRAY(int, tc::Int)
COM_GET_ARRAY(long, tc::Long)
COM_GET_ARRAY(float, tc::Float)
COM_GET_ARRAY(double, tc::Double)
COM_GET_ARRAY(string, tc::String)
#undef COM_GET_ARRAY

int32_t com_safe_array_destroy(Runtime& rt, IntRef sa) {
  int32_t& handle = *static_cast<int32_t*>(sa.addr);
  SAFEARRAY* array = checked_safe_array(rt, u"com_safe_array_destroy", handle);
  HRESULT hr = SafeArrayDestroy(array);
  if (SUCCEEDED(hr)) {
    run_state(rt).safe_arrays.erase(array);
    handle = 0;
  }
  return hr;
}

}  // namespace quorin::com
