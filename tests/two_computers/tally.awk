# Every answer given, by learner and fact, against what the memory keeps of it. Reads three
# files: the rounds ("TAG COMPUTER LEARNER", learner 0 for a round outside the class folder),
# what kept_answers printed, and the computers' consoles ("BEGIN TAG", the driver's "ASKED a b"
# and "ROUND-END STATUS MS"). Prints one line of totals, and the time a save takes per answer
# where rounds were timed ("TAG COMPUTER LEARNER timed" in the folder, learner 0 in the
# computer's own memory: the difference of their times per answer); exits 1 when an
# answer was lost or counted twice, a file was skipped, a round failed or the boxes cannot tell.
# Use: awk -v name=NAME -f tally.awk ROUNDS KEPT CONSOLES
FILENAME ~ /rounds$/ { learner[$1] = $3; timed[$1] = $4 == "timed" || $3 == 0; next }
FILENAME ~ /kept$/ {
  if ($1 == "UNREADABLE") { unreadable++; print "skipped by the reader: " $2; next }
  kept[$1 " " $2 " " $3] = $4; how = $5; next
}
/^BEGIN / { tag = $2; next }
/^ASKED / && tag != "" {
  asked[tag]++
  if (learner[tag] > 0) given["Uczen" learner[tag] " " $2 " " $3]++
  next
}
/^ROUND-END / && tag != "" {
  if ($2 != 0) { failed_rounds++; print "round " tag " ended with status " $2 }
  if (timed[tag] && learner[tag] > 0) { share_ms += $3; share_n += asked[tag] }
  if (timed[tag] && learner[tag] == 0) { local_ms += $3; local_n += asked[tag] }
  tag = ""
}
END {
  for (k in given) {
    g += given[k]; if (given[k] > 4 && how == "box") uncountable++
    if (given[k] > kept[k]) lost += given[k] - kept[k]
  }
  for (k in kept) { kk += kept[k]; if (kept[k] > given[k]) twice += kept[k] - given[k] }
  line = sprintf("%s: answers given %d, kept %d (read from the %s), lost %d (%.1f per thousand), counted twice %d",
                 name, g, kk, how == "history" ? "answer history" : "boxes", lost, g ? 1000 * lost / g : 0, twice)
  if (local_n && share_n) line = line sprintf("; a save takes %.1f ms an answer", share_ms / share_n - local_ms / local_n)
  print line
  if (uncountable) print uncountable " facts answered more than 4 times: the boxes cannot count them"
  exit (lost || twice || unreadable || failed_rounds || uncountable) ? 1 : 0
}
