# chengxi_unmet_expectations(<out> <text> <label> <expectation>...): each
# expectation is "what@regex"; <out> lists, a line each as "  <label>
# <what>", those whose regex does not match <text>.
function(chengxi_unmet_expectations out text label)
    set(unmet "")
    foreach(expectation IN LISTS ARGN)
        string(FIND "${expectation}" "@" at)
        string(SUBSTRING "${expectation}" 0 ${at} what)
        math(EXPR at "${at} + 1")
        string(SUBSTRING "${expectation}" ${at} -1 regex)
        if(NOT text MATCHES "${regex}")
            string(APPEND unmet "  ${label}${what}\n")
        endif()
    endforeach()
    set(${out} "${unmet}" PARENT_SCOPE)
endfunction()
