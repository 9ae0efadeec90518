# cmake -D file=<path> -D line=<text> -P AppendLine.cmake: adds a line at the end of a file.
file(APPEND ${file} "${line}\n")
