s = ""
same = 0
for i in range(30000):
    s = s + "ab"
    if s == "abab":
        same = same + 1
print(str(len(s)) + " " + str(same))
