"""replace, split and index_of (str.find) on a 10 MB text, for comparison."""
import time

s = ("lorem,ipsum,dolor,sit,amet;" * (1 << 19))[:10_000_000]
print("length:", len(s))

t0 = time.perf_counter()
r = s.replace(",", "::")
print(f"replace: {(time.perf_counter() - t0) * 1000:.0f} ms, result {len(r)}")

t0 = time.perf_counter()
parts = s.split(";")
print(f"split: {(time.perf_counter() - t0) * 1000:.0f} ms, pieces {len(parts)}")

t0 = time.perf_counter()
miss = s.find("lorem,ipsum,dolor,sit,amet;X")
hit = s.find(s[-40:])
print(f"index_of: {(time.perf_counter() - t0) * 1000:.0f} ms, {miss} {hit}")

a = "a" * 10_000_000
needle = "a" * 2000 + "b"
t0 = time.perf_counter()
miss = a.find(needle)
print(f"index_of (adversarial): {(time.perf_counter() - t0) * 1000:.0f} ms, {miss}")
